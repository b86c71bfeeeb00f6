// Shared, weak and unique pointers: ownership, conversions and AsShared.

#include "CoreMinimal.h"
#include <gtest/gtest.h>

namespace
{
	struct FBase : public TSharedFromThis<FBase>
	{
		explicit FBase(int32* InDestroyed = nullptr)
			: Destroyed(InDestroyed)
		{
		}
		virtual ~FBase()
		{
			if (Destroyed)
			{
				++*Destroyed;
			}
		}
		int32* Destroyed;
	};

	struct FDerived : public FBase
	{
		using FBase::FBase;
		TSharedRef<FDerived> GetSelf() { return SharedThis(this); }
		int32 Value = 42;
	};
}

TEST(SharedPointerTest, OwnershipEndsWithTheLastReference)
{
	int32 Destroyed = 0;
	TWeakPtr<FBase> Weak;
	{
		TSharedPtr<FBase> First = MakeShared<FDerived>(&Destroyed);
		TSharedPtr<FBase> Second = First;
		Weak = First;
		EXPECT_EQ(First.GetSharedReferenceCount(), 2);
		First.Reset();
		EXPECT_TRUE(Weak.IsValid());
		EXPECT_EQ(Destroyed, 0);
	}
	EXPECT_EQ(Destroyed, 1);
	EXPECT_FALSE(Weak.IsValid());
	EXPECT_FALSE(Weak.Pin().IsValid());
}

TEST(SharedPointerTest, MakeShareableAndSharedThis)
{
	int32 Destroyed = 0;
	{
		TSharedPtr<FDerived> Derived = MakeShareable(new FDerived(&Destroyed));
		TSharedRef<FDerived> Self = Derived->GetSelf();
		EXPECT_EQ(Self, Derived);
		TSharedRef<FBase> AsBase = Derived->AsShared();
		EXPECT_EQ(StaticCastSharedRef<FDerived>(AsBase)->Value, 42);
		EXPECT_EQ(Derived.GetSharedReferenceCount(), 3);
	}
	EXPECT_EQ(Destroyed, 1);

	FDerived NotShared;
	EXPECT_FALSE(NotShared.DoesSharedInstanceExist());
	EXPECT_DEATH(NotShared.AsShared(), "no shared pointer owns");
}

TEST(SharedPointerTest, ConversionsAndComparisons)
{
	TSharedRef<FDerived> Ref = MakeShared<FDerived>();
	TSharedPtr<FBase> Base = Ref;
	TSharedPtr<FDerived> Back = StaticCastSharedPtr<FDerived>(Base);
	EXPECT_EQ(Back, Ref);
	EXPECT_TRUE(Base == Back);
	EXPECT_TRUE(TSharedPtr<FBase>() == nullptr);
	EXPECT_DEATH(TSharedPtr<FBase>().ToSharedRef(), "null TSharedPtr");

	TSharedRef<const FDerived> ConstRef = Ref;
	TSharedRef<FDerived> Mutable = ConstCastSharedRef<FDerived>(ConstRef);
	Mutable->Value = 7;
	EXPECT_EQ(Ref->Value, 7);

	TMap<TSharedPtr<FBase>, int32> ByPointer;
	ByPointer.Add(Base, 1);
	EXPECT_EQ(ByPointer.FindRef(StaticCastSharedPtr<FBase>(Back)), 1);
}

TEST(SharedPointerTest, UniquePointerMovesOwnership)
{
	int32 Destroyed = 0;
	{
		TUniquePtr<FBase> Owner = MakeUnique<FDerived>(&Destroyed);
		TUniquePtr<FBase> NewOwner = MoveTemp(Owner);
		EXPECT_FALSE(Owner.IsValid());
		EXPECT_TRUE(NewOwner.IsValid());
	}
	EXPECT_EQ(Destroyed, 1);
}
