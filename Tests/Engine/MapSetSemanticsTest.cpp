// TMap, TSet and TArray: iteration order after edits, replacement rules, sorting stability and insertion.

#include "CoreMinimal.h"
#include "EngineTestPrinters.h"
#include <gtest/gtest.h>

namespace
{
	template<typename SetType>
	TArray<typename SetType::ElementType> InIterationOrder(const SetType& Set)
	{
		TArray<typename SetType::ElementType> Result;
		for (const auto& Element : Set)
		{
			Result.Add(Element);
		}
		return Result;
	}

	TArray<int32> KeysOf(const TMap<int32, FString>& Map)
	{
		TArray<int32> Keys;
		Map.GenerateKeyArray(Keys);
		return Keys;
	}

	struct FTagged
	{
		int32 Key = 0;
		int32 Order = 0;
	};
}

TEST(MapSetSemanticsTest, SetIteratesInInsertionOrderAndRefillsTheLatestHoleFirst)
{
	TSet<int32> Set;
	for (int32 Value = 1; Value <= 5; ++Value)
	{
		Set.Add(Value);
	}
	EXPECT_EQ(InIterationOrder(Set), (TArray<int32>{ 1, 2, 3, 4, 5 }));

	EXPECT_EQ(Set.Remove(2), 1);
	EXPECT_EQ(Set.Remove(4), 1);
	EXPECT_EQ(Set.Remove(4), 0);
	EXPECT_EQ(InIterationOrder(Set), (TArray<int32>{ 1, 3, 5 }));

	// The slot freed last (4's) is taken first, then 2's; only then does the set grow.
	Set.Add(6);
	Set.Add(7);
	Set.Add(8);
	EXPECT_EQ(InIterationOrder(Set), (TArray<int32>{ 1, 7, 3, 6, 5, 8 }));
	EXPECT_EQ(Set.Num(), 6);
}

TEST(MapSetSemanticsTest, AddingAnEqualElementReplacesItWhereItStands)
{
	TSet<FString> Set = { TEXT("Red"), TEXT("Green"), TEXT("Blue") };
	bool bAlreadyInSet = false;
	Set.Add(TEXT("GREEN"), &bAlreadyInSet);
	EXPECT_TRUE(bAlreadyInSet);
	const TArray<FString> Elements = InIterationOrder(Set);
	ASSERT_EQ(Elements.Num(), 3);
	EXPECT_TRUE(Elements[1].Equals(TEXT("GREEN"), ESearchCase::CaseSensitive));
	EXPECT_TRUE(Elements[2].Equals(TEXT("Blue")));

	TMap<int32, FString> Map;
	Map.Add(1, TEXT("one"));
	Map.Add(2, TEXT("two"));
	FString& Replaced = Map.Add(1, TEXT("uno"));
	EXPECT_TRUE(Replaced.Equals(TEXT("uno")));
	Replaced = TEXT("eins");
	EXPECT_TRUE(Map[1].Equals(TEXT("eins")));
	EXPECT_EQ(KeysOf(Map), (TArray<int32>{ 1, 2 }));

	// FindOrAdd leaves an existing value alone; Emplace overwrites it.
	EXPECT_TRUE(Map.FindOrAdd(2, TEXT("zwei")).Equals(TEXT("two")));
	EXPECT_TRUE(Map.FindOrAdd(3, TEXT("drei")).Equals(TEXT("drei")));
	Map.Emplace(2, TEXT("deux"));
	EXPECT_TRUE(Map.FindRef(2).Equals(TEXT("deux")));
	EXPECT_TRUE(Map.FindOrAdd(4).IsEmpty());
	EXPECT_EQ(KeysOf(Map), (TArray<int32>{ 1, 2, 3, 4 }));
}

TEST(MapSetSemanticsTest, MapRemovalAndRefillKeepsTheSurvivorsInOrder)
{
	TMap<int32, FString> Map;
	for (int32 Key = 0; Key < 6; ++Key)
	{
		Map.Add(Key, FString::FromInt(Key));
	}
	EXPECT_EQ(Map.Remove(1), 1);
	EXPECT_EQ(Map.Remove(3), 1);
	EXPECT_EQ(Map.Remove(3), 0);
	EXPECT_EQ(Map.FindAndRemoveChecked(5), FString(TEXT("5")));
	EXPECT_EQ(KeysOf(Map), (TArray<int32>{ 0, 2, 4 }));

	Map.Add(10, TEXT("ten"));
	EXPECT_EQ(KeysOf(Map), (TArray<int32>{ 0, 2, 4, 10 }));
	Map.Add(11, TEXT("eleven"));
	EXPECT_EQ(KeysOf(Map), (TArray<int32>{ 0, 2, 11, 4, 10 }));

	// Lookups stay right across the holes and refills.
	for (const TPair<int32, FString>& Pair : Map)
	{
		EXPECT_EQ(Map.FindChecked(Pair.Key), Pair.Value);
	}
	EXPECT_EQ(Map.Find(1), nullptr);
	EXPECT_DEATH(Map.FindAndRemoveChecked(1), "not in the map");
}

TEST(MapSetSemanticsTest, MapSortingReordersIteration)
{
	TMap<FString, int32> Map;
	Map.Add(TEXT("charlie"), 1);
	Map.Add(TEXT("Alpha"), 3);
	Map.Add(TEXT("bravo"), 2);

	Map.KeySort([](const FString& A, const FString& B) { return A < B; });
	TArray<FString> Keys;
	Map.GenerateKeyArray(Keys);
	EXPECT_EQ(Keys, (TArray<FString>{ TEXT("Alpha"), TEXT("bravo"), TEXT("charlie") }));

	Map.ValueSort([](int32 A, int32 B) { return A < B; });
	Map.GenerateKeyArray(Keys);
	EXPECT_EQ(Keys, (TArray<FString>{ TEXT("charlie"), TEXT("bravo"), TEXT("Alpha") }));

	// Lookups still work after the pairs moved.
	EXPECT_EQ(Map.FindRef(TEXT("ALPHA")), 3);
	Map.Add(TEXT("delta"), 0);
	Map.GenerateKeyArray(Keys);
	EXPECT_TRUE(Keys.Last().Equals(TEXT("delta")));
}

TEST(MapSetSemanticsTest, MapQueriesAcrossWholeMaps)
{
	TMap<int32, FString> First = { { 1, TEXT("a") }, { 2, TEXT("b") } };
	TMap<int32, FString> Second = { { 2, TEXT("b") }, { 1, TEXT("a") } };
	// Equality ignores order but not values.
	EXPECT_TRUE(First.OrderIndependentCompareEqual(Second));
	Second[2] = TEXT("c");
	EXPECT_FALSE(First.OrderIndependentCompareEqual(Second));

	// Append overwrites the values of keys already present and adds the rest at the end.
	TMap<int32, FString> Extra = { { 2, TEXT("B") }, { 3, TEXT("C") } };
	First.Append(Extra);
	EXPECT_EQ(First.Num(), 3);
	EXPECT_TRUE(First[2].Equals(TEXT("B"), ESearchCase::CaseSensitive));
	EXPECT_EQ(KeysOf(First), (TArray<int32>{ 1, 2, 3 }));

	// FindKey returns the first key in iteration order holding the value.
	TMap<int32, FString> Duplicates = { { 7, TEXT("x") }, { 3, TEXT("x") } };
	ASSERT_NE(Duplicates.FindKey(TEXT("x")), nullptr);
	EXPECT_EQ(*Duplicates.FindKey(TEXT("x")), 7);
	EXPECT_EQ(Duplicates.FindKey(TEXT("y")), nullptr);

	const auto Odd = First.FilterByPredicate([](const TPair<int32, FString>& Pair) { return Pair.Key % 2 == 1; });
	EXPECT_EQ(Odd.Num(), 2);
	EXPECT_TRUE(Odd.Contains(1) && Odd.Contains(3));
}

TEST(MapSetSemanticsTest, StableSortKeepsTheOrderOfEqualElementsInLongArrays)
{
	// Long enough that a sort which is only stable for short runs is caught.
	TArray<FTagged> Items;
	for (int32 Index = 0; Index < 300; ++Index)
	{
		Items.Add({ (Index * 7) % 5, Index });
	}
	Items.StableSort([](const FTagged& A, const FTagged& B) { return A.Key < B.Key; });
	for (int32 Index = 1; Index < Items.Num(); ++Index)
	{
		ASSERT_LE(Items[Index - 1].Key, Items[Index].Key);
		if (Items[Index - 1].Key == Items[Index].Key)
		{
			ASSERT_LT(Items[Index - 1].Order, Items[Index].Order) << "at " << Index;
		}
	}

	TArray<int32> Descending = { 3, 9, 1, 7, 5 };
	Descending.Sort([](int32 A, int32 B) { return A > B; });
	EXPECT_EQ(Descending, (TArray<int32>{ 9, 7, 5, 3, 1 }));
}

TEST(MapSetSemanticsTest, ArrayEqualityUsesTheElementEquality)
{
	// FString compares without case, so arrays of them do too.
	EXPECT_TRUE((TArray<FString>{ TEXT("Cam"), TEXT("lens") }) == (TArray<FString>{ TEXT("CAM"), TEXT("Lens") }));
	EXPECT_FALSE((TArray<FString>{ TEXT("Cam"), TEXT("lens") }) == (TArray<FString>{ TEXT("lens"), TEXT("Cam") }));
	EXPECT_FALSE((TArray<int32>{ 1, 2 }) == (TArray<int32>{ 1, 2, 3 }));
	EXPECT_TRUE((TArray<FString>{ TEXT("Cam") }).Contains(TEXT("cAm")));
	EXPECT_EQ((TArray<FString>{ TEXT("a"), TEXT("B") }).Find(TEXT("b")), 1);
}

TEST(MapSetSemanticsTest, InsertShiftsLaterElements)
{
	TArray<int32> Values = { 1, 2, 3 };
	EXPECT_EQ(Values.Insert(9, 1), 1);
	EXPECT_EQ(Values, (TArray<int32>{ 1, 9, 2, 3 }));
	Values.Insert(10, Values.Num());
	EXPECT_EQ(Values.Last(), 10);
	Values.Insert(TArray<int32>{ 7, 8 }, 0);
	EXPECT_EQ(Values, (TArray<int32>{ 7, 8, 1, 9, 2, 3, 10 }));
	Values.Insert({ 5, 6 }, 3);
	EXPECT_EQ(Values, (TArray<int32>{ 7, 8, 1, 5, 6, 9, 2, 3, 10 }));
	Values.InsertDefaulted(0, 2);
	EXPECT_EQ(Values[0], 0);
	EXPECT_EQ(Values.Num(), 11);

	EXPECT_DEATH(Values.Insert(1, Values.Num() + 1), "out of bounds");
	EXPECT_DEATH(Values.Insert(1, -1), "out of bounds");

	// Inserting an element of the array itself copies it before the shift.
	TArray<FString> Strings = { TEXT("a"), TEXT("b") };
	for (int32 Index = 0; Index < 20; ++Index)
	{
		Strings.Insert(Strings[Strings.Num() - 1], 0);
	}
	EXPECT_EQ(Strings.Num(), 22);
	EXPECT_TRUE(Strings[0].Equals(TEXT("b")));
	EXPECT_TRUE(Strings[20].Equals(TEXT("a")));
	EXPECT_TRUE(Strings.Last().Equals(TEXT("b")));
}

TEST(MapSetSemanticsTest, RemoveAllKeepsOrderAndTheSwapVariantDoesNot)
{
	TArray<int32> Ordered = { 1, 2, 3, 4, 5, 6, 7 };
	EXPECT_EQ(Ordered.RemoveAll([](int32 Value) { return Value % 3 == 0; }), 2);
	EXPECT_EQ(Ordered, (TArray<int32>{ 1, 2, 4, 5, 7 }));
	EXPECT_EQ(Ordered.RemoveAll([](int32) { return false; }), 0);
	EXPECT_EQ(Ordered.RemoveAll([](int32) { return true; }), 5);
	EXPECT_TRUE(Ordered.IsEmpty());

	TArray<int32> Swapped = { 1, 2, 3, 4, 5, 6, 7 };
	EXPECT_EQ(Swapped.RemoveAllSwap([](int32 Value) { return Value % 3 == 0; }), 2);
	EXPECT_EQ(Swapped.Num(), 5);
	for (const int32 Value : { 1, 2, 4, 5, 7 })
	{
		EXPECT_TRUE(Swapped.Contains(Value)) << Value;
	}
	EXPECT_EQ(Swapped.RemoveSwap(7), 1);
	EXPECT_FALSE(Swapped.Contains(7));
}

TEST(MapSetSemanticsTest, SearchesReportTheFirstOrLastMatch)
{
	const TArray<FString> Names = { TEXT("Cam_A"), TEXT("Light"), TEXT("Cam_B"), TEXT("Light") };
	EXPECT_EQ(Names.IndexOfByPredicate([](const FString& Name) { return Name.StartsWith(TEXT("cam")); }), 0);
	EXPECT_EQ(Names.FindLastByPredicate([](const FString& Name) { return Name.StartsWith(TEXT("cam")); }), 2);
	EXPECT_EQ(Names.IndexOfByPredicate([](const FString& Name) { return Name.IsEmpty(); }), INDEX_NONE);
	EXPECT_EQ(Names.IndexOfByKey(TEXT("light")), 1);
	EXPECT_EQ(Names.FindLast(TEXT("LIGHT")), 3);
	EXPECT_EQ(TArray<int32>().IndexOfByKey(1), INDEX_NONE);

	const TArray<FString> Cameras = Names.FilterByPredicate([](const FString& Name) { return Name.Contains(TEXT("_")); });
	EXPECT_EQ(Cameras, (TArray<FString>{ TEXT("Cam_A"), TEXT("Cam_B") }));
}

TEST(MapSetSemanticsTest, ResizingHelpers)
{
	TArray<FString> Values;
	Values.Init(TEXT("x"), 3);
	EXPECT_EQ(Values, (TArray<FString>{ TEXT("x"), TEXT("x"), TEXT("x") }));
	Values.SetNum(5);
	EXPECT_TRUE(Values[4].IsEmpty());
	Values.SetNum(1);
	EXPECT_EQ(Values.Num(), 1);
	Values.Append({ TEXT("y"), TEXT("z") });
	EXPECT_TRUE(Values.Last(1).Equals(TEXT("y")));
	Values.Swap(0, 2);
	EXPECT_EQ(Values, (TArray<FString>{ TEXT("z"), TEXT("y"), TEXT("x") }));

	TArray<FString> Source = { TEXT("moved") };
	Values.Append(MoveTemp(Source));
	EXPECT_TRUE(Values.Top().Equals(TEXT("moved")));
	EXPECT_TRUE(Source.IsEmpty());
	Values.Reset();
	EXPECT_TRUE(Values.IsEmpty());
}
