// Delegates and shared pointers together: stale bindings, targets dying mid-broadcast, payload copies,
// re-entrant broadcasts and the lifetime rules of TSharedFromThis.

#include "CoreMinimal.h"
#include "EngineTestPrinters.h"
#include <gtest/gtest.h>

DECLARE_DELEGATE_OneParam(FDelegateLifetimeNotify, int32);
DECLARE_MULTICAST_DELEGATE_OneParam(FDelegateLifetimeEvent, int32);

namespace
{
	struct FListener : public TSharedFromThis<FListener>
	{
		explicit FListener(TArray<FString>& InLog, const TCHAR* InName)
			: Log(InLog)
			, Name(InName)
		{
		}

		~FListener()
		{
			Log.Add(Name + TEXT(" destroyed"));
		}

		void OnValue(int32 Value)
		{
			Log.Add(FString::Printf(TEXT("%s:%d"), *Name, Value));
		}

		void OnValueWithTag(int32 Value, FString Tag)
		{
			Log.Add(FString::Printf(TEXT("%s:%d:%s"), *Name, Value, *Tag));
		}

		TArray<FString>& Log;
		FString Name;
	};

	/** Drops its owner's last reference from inside a call, as a panel closing itself would. */
	struct FSelfReleasing : public TSharedFromThis<FSelfReleasing>
	{
		FSelfReleasing(bool& bInDestroyed, bool& bInAliveAfterRelease)
			: bDestroyed(bInDestroyed)
			, bAliveAfterRelease(bInAliveAfterRelease)
		{
		}

		~FSelfReleasing()
		{
			bDestroyed = true;
		}

		void Release(int32)
		{
			Owner.Reset();
			bAliveAfterRelease = !bDestroyed;
		}

		bool& bDestroyed;
		bool& bAliveAfterRelease;
		TSharedPtr<FSelfReleasing> Owner;
	};
}

TEST(DelegateLifetimeTest, SingleCastSharedPointerBindingGoesStale)
{
	TArray<FString> Log;
	FDelegateLifetimeNotify Notify;
	{
		TSharedRef<FListener> Listener = MakeShared<FListener>(Log, TEXT("A"));
		Notify.BindSP(Listener, &FListener::OnValue);
		EXPECT_TRUE(Notify.IsBoundToObject(&Listener.Get()));
		EXPECT_TRUE(Notify.ExecuteIfBound(1));
	}
	EXPECT_FALSE(Notify.IsBound());
	EXPECT_FALSE(Notify.ExecuteIfBound(2));
	EXPECT_EQ(Log, (TArray<FString>{ TEXT("A:1"), TEXT("A destroyed") }));
	EXPECT_DEATH(Notify.Execute(3), "destroyed");

	// Rebinding a stale delegate makes it usable again.
	TSharedRef<FListener> Other = MakeShared<FListener>(Log, TEXT("B"));
	Notify.BindSP(Other, &FListener::OnValue);
	EXPECT_TRUE(Notify.ExecuteIfBound(4));
	EXPECT_TRUE(Log.Last().Equals(TEXT("B:4")));
}

TEST(DelegateLifetimeTest, SharedPointerLambdaFollowsItsOwner)
{
	int32 Calls = 0;
	FDelegateLifetimeNotify Notify;
	FDelegateLifetimeEvent Event;
	TArray<FString> Log;
	TSharedPtr<FListener> Owner = MakeShared<FListener>(Log, TEXT("Owner"));
	Notify.BindSPLambda(Owner.Get(), [&Calls](int32 Value) { Calls += Value; });
	Event.AddSPLambda(Owner.ToSharedRef(), [&Calls](int32 Value) { Calls += 10 * Value; });
	Notify.ExecuteIfBound(1);
	Event.Broadcast(1);
	EXPECT_EQ(Calls, 11);

	Owner.Reset();
	EXPECT_FALSE(Notify.ExecuteIfBound(1));
	Event.Broadcast(1);
	EXPECT_EQ(Calls, 11);
	EXPECT_FALSE(Event.IsBound());
}

TEST(DelegateLifetimeTest, TargetIsKeptAliveUntilItsCallReturns)
{
	bool bDestroyed = false;
	bool bAliveAfterRelease = false;
	FDelegateLifetimeNotify Notify;
	{
		TSharedRef<FSelfReleasing> Object = MakeShared<FSelfReleasing>(bDestroyed, bAliveAfterRelease);
		Object->Owner = Object;
		Notify.BindSP(Object, &FSelfReleasing::Release);
	}
	ASSERT_FALSE(bDestroyed);

	// The binding holds a strong reference only while it runs.
	EXPECT_TRUE(Notify.ExecuteIfBound(0));
	EXPECT_TRUE(bAliveAfterRelease);
	EXPECT_TRUE(bDestroyed);
	EXPECT_FALSE(Notify.IsBound());
}

TEST(DelegateLifetimeTest, PayloadIsCopiedWhenBound)
{
	TArray<FString> Log;
	TSharedRef<FListener> Listener = MakeShared<FListener>(Log, TEXT("L"));
	FString Tag(TEXT("before"));
	FDelegateLifetimeNotify Notify = FDelegateLifetimeNotify::CreateSP(Listener, &FListener::OnValueWithTag, Tag);
	FDelegateLifetimeEvent Event;
	Event.AddSP(Listener, &FListener::OnValueWithTag, Tag);
	Tag = TEXT("after");

	Notify.Execute(1);
	Event.Broadcast(2);
	EXPECT_EQ(Log, (TArray<FString>{ TEXT("L:1:before"), TEXT("L:2:before") }));
}

TEST(DelegateLifetimeTest, TargetDyingDuringBroadcastIsSkipped)
{
	TArray<FString> Log;
	TSharedPtr<FListener> Victim = MakeShared<FListener>(Log, TEXT("Victim"));
	FDelegateLifetimeEvent Event;
	Event.AddLambda([&Victim](int32) { Victim.Reset(); });
	Event.AddSP(Victim.ToSharedRef(), &FListener::OnValue);

	Event.Broadcast(5);
	EXPECT_EQ(Log, (TArray<FString>{ TEXT("Victim destroyed") }));
	EXPECT_TRUE(Event.IsBound());
}

TEST(DelegateLifetimeTest, RemoveAllTakesEveryBindingOfOneObjectOnly)
{
	TArray<FString> Log;
	TSharedRef<FListener> First = MakeShared<FListener>(Log, TEXT("1"));
	TSharedRef<FListener> Second = MakeShared<FListener>(Log, TEXT("2"));
	FDelegateLifetimeEvent Event;
	Event.AddSP(First, &FListener::OnValue);
	Event.AddSP(Second, &FListener::OnValue);
	Event.AddSP(First, &FListener::OnValueWithTag, FString(TEXT("t")));
	Event.AddSPLambda(First, [&Log](int32) { Log.Add(TEXT("lambda")); });
	Event.AddLambda([&Log](int32) { Log.Add(TEXT("free")); });

	EXPECT_TRUE(Event.IsBoundToObject(&First.Get()));
	EXPECT_EQ(Event.RemoveAll(&First.Get()), 3);
	EXPECT_FALSE(Event.IsBoundToObject(&First.Get()));
	EXPECT_EQ(Event.RemoveAll(&First.Get()), 0);
	EXPECT_EQ(Event.RemoveAll(nullptr), 0);

	Event.Broadcast(1);
	Log.Sort();
	EXPECT_EQ(Log, (TArray<FString>{ TEXT("2:1"), TEXT("free") }));
}

TEST(DelegateLifetimeTest, RemoveAllDuringBroadcastStopsTheRemainingCalls)
{
	TArray<FString> Log;
	TSharedRef<FListener> Listener = MakeShared<FListener>(Log, TEXT("L"));
	FDelegateLifetimeEvent Event;
	Event.AddLambda([&Event, &Listener](int32) { Event.RemoveAll(&Listener.Get()); });
	Event.AddSP(Listener, &FListener::OnValue);
	Event.AddSP(Listener, &FListener::OnValue);

	Event.Broadcast(1);
	EXPECT_TRUE(Log.IsEmpty());
	EXPECT_TRUE(Event.IsBound());
}

TEST(DelegateLifetimeTest, ClearDuringBroadcastStopsTheRemainingCalls)
{
	int32 Calls = 0;
	FDelegateLifetimeEvent Event;
	Event.AddLambda([&Event, &Calls](int32) { ++Calls; Event.Clear(); });
	Event.AddLambda([&Calls](int32) { ++Calls; });
	Event.Broadcast(0);
	EXPECT_EQ(Calls, 1);
	EXPECT_FALSE(Event.IsBound());
	Event.Broadcast(0);
	EXPECT_EQ(Calls, 1);
}

TEST(DelegateLifetimeTest, NestedBroadcastReachesEveryBinding)
{
	FDelegateLifetimeEvent Event;
	TArray<int32> Seen;
	Event.AddLambda([&Event, &Seen](int32 Depth) {
		Seen.Add(Depth);
		if (Depth == 0)
		{
			Event.Broadcast(1);
		}
	});
	Event.AddLambda([&Seen](int32 Depth) { Seen.Add(100 + Depth); });

	Event.Broadcast(0);
	ASSERT_EQ(Seen.Num(), 4);
	EXPECT_TRUE(Seen.Contains(0) && Seen.Contains(1) && Seen.Contains(100) && Seen.Contains(101));
	// The nested broadcast finishes before the outer one moves on.
	EXPECT_LT(Seen.Find(101), Seen.Find(100));
}

TEST(DelegateLifetimeTest, HandlesBelongToOneBinding)
{
	FDelegateLifetimeEvent First;
	FDelegateLifetimeEvent Second;
	const FDelegateHandle A = First.AddLambda([](int32) {});
	const FDelegateHandle B = First.AddLambda([](int32) {});
	const FDelegateHandle C = Second.AddLambda([](int32) {});
	EXPECT_NE(A, B);
	EXPECT_NE(B, C);
	EXPECT_FALSE(Second.Remove(A));
	EXPECT_FALSE(First.Remove(FDelegateHandle()));

	// A copy holds the same bindings; removing from it leaves the original alone.
	FDelegateLifetimeEvent Copy = First;
	EXPECT_TRUE(Copy.Remove(A));
	EXPECT_TRUE(First.Remove(A));
	EXPECT_TRUE(First.Remove(B));
	EXPECT_FALSE(First.IsBound());
	EXPECT_TRUE(Copy.IsBound());

	FDelegateHandle Reset = C;
	Reset.Reset();
	EXPECT_FALSE(Reset.IsValid());
	EXPECT_TRUE(C.IsValid());
}

TEST(DelegateLifetimeTest, SharedFromThisDuringDestructionAndWeakPins)
{
	struct FSelfAware : public TSharedFromThis<FSelfAware>
	{
		FSelfAware(bool& bInInstanceExisted, bool& bInWeakSelfValid)
			: bInstanceExisted(bInInstanceExisted)
			, bWeakSelfValid(bInWeakSelfValid)
		{
		}
		~FSelfAware()
		{
			// By now no shared reference is left, so the object can no longer hand itself out.
			bInstanceExisted = DoesSharedInstanceExist();
			bWeakSelfValid = WeakSelf.Pin().IsValid();
		}
		bool& bInstanceExisted;
		bool& bWeakSelfValid;
		TWeakPtr<FSelfAware> WeakSelf;
	};

	bool bInstanceExisted = true;
	bool bWeakSelfValid = true;
	TWeakPtr<FSelfAware> Weak;
	{
		TSharedPtr<FSelfAware> Object = MakeShared<FSelfAware>(bInstanceExisted, bWeakSelfValid);
		Object->WeakSelf = Object->AsWeak();
		EXPECT_TRUE(Object->DoesSharedInstanceExist());
		Weak = Object;
		TSharedPtr<FSelfAware> Pinned = Weak.Pin();
		EXPECT_EQ(Object.GetSharedReferenceCount(), 2);
		Object.Reset();
		// A pinned pointer keeps the object alive on its own.
		EXPECT_TRUE(Weak.IsValid());
		EXPECT_TRUE(Pinned.IsUnique());
	}
	EXPECT_FALSE(Weak.IsValid());
	EXPECT_FALSE(bInstanceExisted);
	EXPECT_FALSE(bWeakSelfValid);
}

TEST(DelegateLifetimeTest, CustomDeleterRunsOnceWithTheLastReference)
{
	int32 Deletions = 0;
	{
		TSharedPtr<int32> First = MakeShareable(new int32(5), [&Deletions](int32* Value) {
			++Deletions;
			delete Value;
		});
		TSharedPtr<int32> Second = First;
		TWeakPtr<int32> Weak = First;
		First.Reset();
		EXPECT_EQ(Deletions, 0);
		EXPECT_EQ(*Weak.Pin(), 5);
	}
	EXPECT_EQ(Deletions, 1);
}
