// TArray, TMap, TSet and friends: the engine's ordering and removal semantics.

#include "CoreMinimal.h"
#include "EngineTestPrinters.h"
#include <gtest/gtest.h>

TEST(ContainersTest, RemoveAtSwapMovesTheLastElementsIntoTheHole)
{
	TArray<int32> Values = { 0, 1, 2, 3, 4, 5 };
	Values.RemoveAtSwap(1);
	EXPECT_EQ(Values, (TArray<int32>{ 0, 5, 2, 3, 4 }));
	Values.RemoveAtSwap(0, 2, false);
	EXPECT_EQ(Values, (TArray<int32>{ 3, 4, 2 }));
	Values.RemoveAtSwap(2);
	EXPECT_EQ(Values, (TArray<int32>{ 3, 4 }));

	TArray<int32> Ordered = { 0, 1, 2, 3 };
	Ordered.RemoveAt(1, 2);
	EXPECT_EQ(Ordered, (TArray<int32>{ 0, 3 }));
}

TEST(ContainersTest, ArrayAddingReturnsIndicesAndKeepsElementsValid)
{
	TArray<FString> Names;
	EXPECT_EQ(Names.Add(TEXT("a")), 0);
	EXPECT_EQ(Names.Emplace(TEXT("b")), 1);
	EXPECT_EQ(Names.AddUnique(TEXT("A")), 0);
	EXPECT_EQ(Names.AddDefaulted(2), 2);
	EXPECT_EQ(Names.Num(), 4);
	EXPECT_TRUE(Names[3].IsEmpty());
	Names.Insert(TEXT("first"), 0);
	EXPECT_TRUE(Names[0].Equals(TEXT("first")));

	// Adding an element of the array itself survives the reallocation it causes.
	TArray<FString> Self = { TEXT("payload") };
	for (int32 Index = 0; Index < 40; ++Index)
	{
		Self.Add(Self[0]);
	}
	EXPECT_TRUE(Self.Last().Equals(TEXT("payload")));

	TArray<int32> Zeroed;
	Zeroed.AddZeroed(3);
	EXPECT_EQ(Zeroed, (TArray<int32>{ 0, 0, 0 }));
	Zeroed.SetNumZeroed(5);
	EXPECT_EQ(Zeroed.Num(), 5);
	EXPECT_EQ(Zeroed.Pop(), 0);
	EXPECT_EQ(Zeroed.Num(), 4);
}

TEST(ContainersTest, ArraySearchAndRemoveByValue)
{
	TArray<int32> Values = { 5, 1, 5, 2, 5 };
	EXPECT_EQ(Values.Find(5), 0);
	EXPECT_EQ(Values.FindLast(5), 4);
	EXPECT_EQ(Values.IndexOfByPredicate([](int32 V) { return V < 3; }), 1);
	EXPECT_EQ(*Values.FindByKey(2), 2);
	EXPECT_EQ(Values.FindByPredicate([](int32 V) { return V > 10; }), nullptr);
	EXPECT_EQ(Values.RemoveSingle(5), 1);
	EXPECT_EQ(Values, (TArray<int32>{ 1, 5, 2, 5 }));
	EXPECT_EQ(Values.Remove(5), 2);
	EXPECT_EQ(Values, (TArray<int32>{ 1, 2 }));
	EXPECT_EQ(Values.RemoveAll([](int32 V) { return V == 1; }), 1);
	EXPECT_FALSE(Values.Contains(1));
	EXPECT_TRUE(Values.ContainsByPredicate([](int32 V) { return V == 2; }));
}

TEST(ContainersTest, SortingSeesThroughPointersAndStableSortKeepsOrder)
{
	int32 A = 3, B = 1, C = 2;
	TArray<int32*> Pointers = { &A, &B, &C };
	Pointers.Sort();
	EXPECT_EQ(*Pointers[0], 1);
	EXPECT_EQ(*Pointers[2], 3);

	TArray<TPair<int32, FString>> Pairs = { { 1, TEXT("b") }, { 0, TEXT("x") }, { 1, TEXT("a") } };
	Pairs.StableSort([](const TPair<int32, FString>& L, const TPair<int32, FString>& R) { return L.Key < R.Key; });
	EXPECT_TRUE(Pairs[1].Value.Equals(TEXT("b")));
	EXPECT_TRUE(Pairs[2].Value.Equals(TEXT("a")));
}

TEST(ContainersTest, ArrayMisuseFailsLoudly)
{
	TArray<int32> Values = { 1, 2 };
	EXPECT_DEATH(Values[2], "Array index out of bounds");
	EXPECT_DEATH(
		{
			for (int32 Value : Values)
			{
				Values.Add(Value);
			}
		},
		"Array has changed during ranged-for iteration");
}

TEST(ContainersTest, ArrayIteratorRemoveCurrentVisitsEveryElement)
{
	TArray<int32> Values = { 1, 2, 2, 3, 2 };
	for (auto It = Values.CreateIterator(); It; ++It)
	{
		if (*It == 2)
		{
			It.RemoveCurrent();
		}
	}
	EXPECT_EQ(Values, (TArray<int32>{ 1, 3 }));
}

TEST(ContainersTest, MapIteratesInInsertionOrderAndReusesFreedSlots)
{
	TMap<FString, int32> Map;
	Map.Add(TEXT("one"), 1);
	Map.Add(TEXT("two"), 2);
	Map.Add(TEXT("three"), 3);
	Map.Remove(TEXT("two"));
	Map.Add(TEXT("four"), 4);

	TArray<FString> Keys;
	Map.GenerateKeyArray(Keys);
	EXPECT_EQ(Keys, (TArray<FString>{ TEXT("one"), TEXT("four"), TEXT("three") }));

	// Replacing a value keeps the pair where it was.
	Map.Add(TEXT("ONE"), 10);
	TArray<int32> Values;
	Map.GenerateValueArray(Values);
	EXPECT_EQ(Values, (TArray<int32>{ 10, 4, 3 }));
	EXPECT_EQ(Map.Num(), 3);
}

TEST(ContainersTest, MapLookups)
{
	TMap<FName, FString> Map;
	Map.Emplace(FName(TEXT("Lens")), TEXT("50mm"));
	EXPECT_TRUE(Map.Contains(FName(TEXT("lens"))));
	EXPECT_TRUE(Map.FindChecked(FName(TEXT("Lens"))).Equals(TEXT("50mm")));
	EXPECT_EQ(Map.Find(FName(TEXT("Missing"))), nullptr);
	EXPECT_TRUE(Map.FindRef(FName(TEXT("Missing"))).IsEmpty());
	EXPECT_FALSE(Map.Contains(FName(TEXT("Missing"))));
	Map.FindOrAdd(FName(TEXT("Body"))) = TEXT("FX6");
	EXPECT_EQ(Map.Num(), 2);
	FString Removed;
	EXPECT_TRUE(Map.RemoveAndCopyValue(FName(TEXT("Body")), Removed));
	EXPECT_TRUE(Removed.Equals(TEXT("FX6")));
	EXPECT_DEATH(Map.FindChecked(FName(TEXT("Body"))), "not in the map");

	for (auto& [Key, Value] : Map)
	{
		Value += TEXT("!");
	}
	EXPECT_TRUE(Map[FName(TEXT("Lens"))].Equals(TEXT("50mm!")));
}

TEST(ContainersTest, MapIteratorRemovesWhileIterating)
{
	TMap<int32, int32> Map;
	for (int32 Index = 0; Index < 100; ++Index)
	{
		Map.Add(Index, Index * Index);
	}
	for (auto It = Map.CreateIterator(); It; ++It)
	{
		if (It.Key() % 2 == 0)
		{
			It.RemoveCurrent();
		}
	}
	EXPECT_EQ(Map.Num(), 50);
	for (const auto& Pair : Map)
	{
		EXPECT_EQ(Pair.Key % 2, 1);
		EXPECT_EQ(Map.FindRef(Pair.Key), Pair.Key * Pair.Key);
	}
}

TEST(ContainersTest, MultiMapKeepsEveryValue)
{
	TMultiMap<FName, int32> Multi;
	Multi.Add(FName(TEXT("Cam")), 1);
	Multi.Add(FName(TEXT("Cam")), 2);
	Multi.Add(FName(TEXT("Light")), 3);
	Multi.Add(FName(TEXT("Cam")), 2);
	TArray<int32> Found;
	Multi.MultiFind(FName(TEXT("Cam")), Found, true);
	EXPECT_EQ(Found, (TArray<int32>{ 1, 2, 2 }));
	EXPECT_EQ(Multi.Num(FName(TEXT("Cam"))), 3);
	EXPECT_EQ(Multi.RemoveSingle(FName(TEXT("Cam")), 2), 1);
	EXPECT_EQ(Multi.Remove(FName(TEXT("Cam"))), 2);
	EXPECT_EQ(Multi.Num(), 1);
}

TEST(ContainersTest, SetUniquenessAndAlgebra)
{
	TSet<FString> Set;
	bool bAlreadyInSet = false;
	Set.Add(TEXT("Red"), &bAlreadyInSet);
	EXPECT_FALSE(bAlreadyInSet);
	Set.Add(TEXT("red"), &bAlreadyInSet);
	EXPECT_TRUE(bAlreadyInSet);
	EXPECT_EQ(Set.Num(), 1);
	Set.Add(TEXT("Green"));
	const TSet<FString> Other = { TEXT("green"), TEXT("Blue") };
	EXPECT_EQ(Set.Intersect(Other).Num(), 1);
	EXPECT_EQ(Set.Union(Other).Num(), 3);
	EXPECT_EQ(Set.Difference(Other).Num(), 1);
	EXPECT_FALSE(Set.Includes(Other));
	EXPECT_EQ(Set.Remove(TEXT("RED")), 1);
	EXPECT_EQ(Set.Array().Num(), 1);
}

TEST(ContainersTest, OptionalAndTuple)
{
	TOptional<int32> Value;
	EXPECT_FALSE(Value.IsSet());
	EXPECT_EQ(Value.Get(7), 7);
	EXPECT_DEATH(Value.GetValue(), "unset TOptional");
	Value = 3;
	EXPECT_EQ(Value.GetValue(), 3);
	EXPECT_NE(Value, TOptional<int32>());

	auto Tuple = MakeTuple(1, FString(TEXT("x")), 2.5);
	EXPECT_EQ(Tuple.Get<0>(), 1);
	EXPECT_DOUBLE_EQ(Tuple.Get<2>(), 2.5);
	TPair<int32, FString> Pair(4, TEXT("four"));
	EXPECT_EQ(Pair.Get<0>(), 4);
	EXPECT_TRUE(Pair.Value.Equals(TEXT("four")));
}

TEST(ContainersTest, FunctionsAndArrayViews)
{
	TFunction<int32(int32)> Twice = [](int32 V) { return V * 2; };
	EXPECT_EQ(Twice(4), 8);
	TFunction<void()> Unset;
	EXPECT_FALSE(Unset);
	EXPECT_DEATH(Unset(), "unbound TFunction");

	TUniquePtr<int32> Owned = MakeUnique<int32>(5);
	TUniqueFunction<int32()> MoveOnly = [Captured = MoveTemp(Owned)]() { return *Captured; };
	EXPECT_EQ(MoveOnly(), 5);

	int32 Calls = 0;
	auto Count = [&Calls](int32 V) { Calls += V; };
	TFunctionRef<void(int32)> Ref = Count;
	Ref(2);
	Ref(3);
	EXPECT_EQ(Calls, 5);

	TArray<int32> Values = { 1, 2, 3, 4 };
	TArrayView<int32> View(Values);
	View[0] = 10;
	EXPECT_EQ(Values[0], 10);
	TConstArrayView<int32> Slice = TConstArrayView<int32>(Values).Slice(1, 2);
	EXPECT_EQ(Slice.Num(), 2);
	EXPECT_EQ(Slice[1], 3);
}

TEST(ContainersTest, GetRefAddsSurviveReallocation)
{
	// The returned reference must point into the grown storage, not the buffer the array had before.
	TArray<FString> Strings;
	for (int32 Index = 0; Index < 64; ++Index)
	{
		FString& Added = Strings.AddDefaulted_GetRef();
		Added = FString::FromInt(Index);
		Strings.Emplace_GetRef(TEXT("e")) += TEXT("!");
	}
	ASSERT_EQ(Strings.Num(), 128);
	EXPECT_EQ(Strings[126], TEXT("63"));
	EXPECT_EQ(Strings[127], TEXT("e!"));

	TArray<int32> Numbers;
	for (int32 Index = 0; Index < 64; ++Index)
	{
		Numbers.AddZeroed_GetRef() = Index;
	}
	EXPECT_EQ(Numbers.Last(), 63);
}
