// Delegates: binding kinds, target lifetime, and multicast ordering and re-entrancy.

#include "CoreMinimal.h"
#include "EngineTestPrinters.h"
#include <gtest/gtest.h>

DECLARE_DELEGATE_RetVal_OneParam(int32, FDelegateTestTransform, int32);
DECLARE_MULTICAST_DELEGATE_OneParam(FDelegateTestEvent, const FString&);

namespace
{
	struct FRecorder : public TSharedFromThis<FRecorder>
	{
		TArray<FString> Seen;
		void Record(const FString& Value) { Seen.Add(Value); }
		void RecordWithPayload(const FString& Value, int32 Payload) { Seen.Add(FString::Printf(TEXT("%s:%d"), *Value, Payload)); }
		int32 Add(int32 Value) const { return Value + Offset; }
		int32 Offset = 100;
	};

	int32 Negate(int32 Value)
	{
		return -Value;
	}
}

TEST(DelegateTest, SingleCastBindingKinds)
{
	FDelegateTestTransform Delegate;
	EXPECT_FALSE(Delegate.IsBound());
	EXPECT_DEATH(Delegate.Execute(1), "unbound delegate");

	Delegate.BindStatic(&Negate);
	EXPECT_EQ(Delegate.Execute(4), -4);

	FRecorder Recorder;
	Delegate.BindRaw(&Recorder, &FRecorder::Add);
	EXPECT_EQ(Delegate.Execute(1), 101);
	EXPECT_TRUE(Delegate.IsBoundToObject(&Recorder));

	Delegate.BindLambda([](int32 Value, int32 Payload) { return Value * Payload; }, 3);
	EXPECT_EQ(Delegate.Execute(5), 15);
	EXPECT_TRUE(Delegate.GetHandle().IsValid());

	Delegate.Unbind();
	EXPECT_FALSE(Delegate.IsBound());
	EXPECT_FALSE(Delegate.GetHandle().IsValid());
}

TEST(DelegateTest, SharedPointerBindingsGoQuietWhenTheTargetDies)
{
	FDelegateTestTransform Delegate;
	FDelegateTestEvent Event;
	{
		TSharedRef<FRecorder> Recorder = MakeShared<FRecorder>();
		Delegate.BindSP(Recorder, &FRecorder::Add);
		Event.AddSP(Recorder, &FRecorder::Record);
		EXPECT_EQ(Delegate.Execute(1), 101);
		Event.Broadcast(TEXT("alive"));
		EXPECT_EQ(Recorder->Seen.Num(), 1);
		// A delegate must not keep its target alive.
		EXPECT_EQ(Recorder.GetSharedReferenceCount(), 1);
	}
	EXPECT_FALSE(Delegate.IsBound());
	EXPECT_FALSE(Event.IsBound());
	Event.Broadcast(TEXT("dead"));
}

TEST(DelegateTest, BindSPFromRawPointerUsesSharedFromThis)
{
	TSharedPtr<FRecorder> Recorder = MakeShareable(new FRecorder());
	FDelegateTestEvent Event;
	Event.AddSP(Recorder.Get(), &FRecorder::RecordWithPayload, 7);
	Event.Broadcast(TEXT("x"));
	ASSERT_EQ(Recorder->Seen.Num(), 1);
	EXPECT_TRUE(Recorder->Seen[0].Equals(TEXT("x:7")));
}

TEST(DelegateTest, BroadcastRunsInBindingOrder)
{
	TArray<int32> Order;
	FSimpleMulticastDelegate Event;
	for (int32 Index = 0; Index < 5; ++Index)
	{
		Event.AddLambda([&Order, Index]() { Order.Add(Index); });
	}
	Event.Broadcast();
	EXPECT_EQ(Order, (TArray<int32>{ 0, 1, 2, 3, 4 }));
}

TEST(DelegateTest, RemovingByHandleAndByObject)
{
	FRecorder A;
	FRecorder B;
	FDelegateTestEvent Event;
	const FDelegateHandle HandleA1 = Event.AddRaw(&A, &FRecorder::Record);
	Event.AddRaw(&A, &FRecorder::RecordWithPayload, 1);
	Event.AddRaw(&B, &FRecorder::Record);
	EXPECT_NE(HandleA1, FDelegateHandle());

	EXPECT_TRUE(Event.Remove(HandleA1));
	EXPECT_FALSE(Event.Remove(HandleA1));
	Event.Broadcast(TEXT("1"));
	EXPECT_EQ(A.Seen, (TArray<FString>{ TEXT("1:1") }));

	EXPECT_EQ(Event.RemoveAll(&A), 1);
	Event.Broadcast(TEXT("2"));
	EXPECT_EQ(A.Seen.Num(), 1);
	EXPECT_EQ(B.Seen, (TArray<FString>{ TEXT("1"), TEXT("2") }));

	Event.Clear();
	EXPECT_FALSE(Event.IsBound());
}

TEST(DelegateTest, ChangesDuringBroadcastAreSafe)
{
	FSimpleMulticastDelegate Event;
	TArray<FString> Calls;
	FDelegateHandle SecondHandle;
	FDelegateHandle ThirdHandle;

	Event.AddLambda([&]() {
		Calls.Add(TEXT("first"));
		// Removing a later handler means it is not called in this broadcast...
		Event.Remove(ThirdHandle);
		// ...and a handler added now waits for the next one.
		Event.AddLambda([&Calls]() { Calls.Add(TEXT("added")); });
	});
	SecondHandle = Event.AddLambda([&]() {
		Calls.Add(TEXT("second"));
		// Removing itself mid-call is fine too.
		Event.Remove(SecondHandle);
	});
	ThirdHandle = Event.AddLambda([&Calls]() { Calls.Add(TEXT("third")); });

	Event.Broadcast();
	EXPECT_EQ(Calls, (TArray<FString>{ TEXT("first"), TEXT("second") }));

	Calls.Reset();
	Event.Broadcast();
	EXPECT_EQ(Calls, (TArray<FString>{ TEXT("first"), TEXT("added") }));
}

TEST(DelegateTest, CopiesShareTheBindingAndHandle)
{
	FDelegateTestTransform Original = FDelegateTestTransform::CreateStatic(&Negate);
	const FDelegateTestTransform Copy = Original;
	EXPECT_EQ(Copy.GetHandle(), Original.GetHandle());
	Original.Unbind();
	EXPECT_TRUE(Copy.IsBound());
	EXPECT_EQ(Copy.Execute(2), -2);

	FDelegateTestEvent Event;
	const FDelegateHandle Handle = Event.Add(FDelegateTestEvent::FDelegate::CreateLambda([](const FString&) {}));
	EXPECT_TRUE(Event.IsBound());
	EXPECT_TRUE(Event.Remove(Handle));
}
