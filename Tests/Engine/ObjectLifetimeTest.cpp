// Contract tests of object lifetime and lookup: names and paths, weak pointers going stale,
// garbage collection of marked objects and of the references to them, class default objects, soft paths
// and the package loader.

#include "CoreMinimal.h"
#include "ReflectionTestTypes.h"
#include "UObject/GCObject.h"
#include "UObject/Package.h"
#include "UObject/RuntimeClassBuilder.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/SoftObjectPtr.h"
#include "UObject/UObjectIterator.h"
#include "UObject/WeakObjectPtr.h"

#include <gtest/gtest.h>

TEST(ObjectLifetimeTest, NamesAreUniqueInTheirOuterAndPathsUseTheEngineSeparators)
{
	UReflectionTestObject* First = NewObject<UReflectionTestObject>();
	UReflectionTestObject* Second = NewObject<UReflectionTestObject>();
	EXPECT_TRUE(First->GetName().StartsWith(TEXT("ReflectionTestObject_")));
	EXPECT_NE(First->GetFName(), Second->GetFName());
	EXPECT_EQ(First->GetOuter(), GetTransientPackage());
	EXPECT_EQ(First->GetPathName(), FString(TEXT("/Engine/Transient.")) + First->GetName());

	UPackage* Package = CreatePackage(TEXT("/Game/LifetimeTest/Asset"));
	EXPECT_EQ(CreatePackage(TEXT("/Game/LifetimeTest/Asset")), Package);
	UReflectionTestObject* Asset = NewObject<UReflectionTestObject>(Package, TEXT("Asset"));
	UReflectionTestObject* Inner = NewObject<UReflectionTestObject>(Asset, TEXT("Inner"));
	UReflectionTestObject* Deeper = NewObject<UReflectionTestObject>(Inner, TEXT("Deeper"));
	EXPECT_EQ(Asset->GetPathName(), FString(TEXT("/Game/LifetimeTest/Asset.Asset")));
	EXPECT_EQ(Inner->GetPathName(), FString(TEXT("/Game/LifetimeTest/Asset.Asset:Inner")));
	EXPECT_EQ(Deeper->GetPathName(), FString(TEXT("/Game/LifetimeTest/Asset.Asset:Inner.Deeper")));
	EXPECT_EQ(Deeper->GetFullName(), FString(TEXT("ReflectionTestObject /Game/LifetimeTest/Asset.Asset:Inner.Deeper")));
	EXPECT_EQ(Deeper->GetOutermost(), Package);
	EXPECT_EQ(Deeper->GetTypedOuter<UReflectionTestObject>(), Inner);

	EXPECT_EQ(StaticFindObject(UObject::StaticClass(), nullptr, TEXT("/Game/LifetimeTest/Asset.Asset:Inner.Deeper")), Deeper);
	EXPECT_EQ(FindObject<UReflectionTestObject>(Asset, TEXT("Inner")), Inner);
	EXPECT_EQ(FindObject<UReflectionTestDerived>(Asset, TEXT("Inner")), nullptr);

	// A part too long to be a name finds nothing (and makes no name): a bare name is one part, a path is split at its
	// delimiters, so a long path of short parts is still looked up.
	const FString Long = FString::ChrN(NAME_SIZE, TEXT('A'));
	EXPECT_EQ(StaticFindObject(UObject::StaticClass(), nullptr, *Long), nullptr);
	EXPECT_EQ(StaticFindObject(UObject::StaticClass(), nullptr, *(TEXT("\"Asset ") + Long.Left(600) + TEXT(".") + Long.Left(600) + TEXT("\""))), nullptr);
	EXPECT_EQ(StaticFindObject(UObject::StaticClass(), nullptr, *(TEXT("/Game/") + Long)), nullptr);
	EXPECT_EQ(StaticFindObject(UObject::StaticClass(), nullptr, *(TEXT("/Game/LifetimeTest/Asset.Asset:") + Long)), nullptr);
	EXPECT_EQ(FindObject<UObject>(Asset, *(TEXT("Inner.") + Long)), nullptr);
	EXPECT_EQ(FindPackage(nullptr, *(TEXT("/Game/") + Long)), nullptr);
	EXPECT_EQ(LoadPackage(nullptr, *(TEXT("/Game/") + Long), LOAD_None), nullptr);
	EXPECT_EQ(StaticLoadObject(UObject::StaticClass(), nullptr, *(TEXT("/Game/") + Long + TEXT(".Asset"))), nullptr);
	// The package is there, so loading goes on to look for the long part inside it.
	EXPECT_EQ(StaticLoadObject(UObject::StaticClass(), nullptr, *(TEXT("/Game/LifetimeTest/Asset.Asset:") + Long)), nullptr);
	EXPECT_EQ(StaticFindFirstObject(UObject::StaticClass(), *Long), nullptr);
	EXPECT_EQ(StaticFindFirstObject(UObject::StaticClass(), *(TEXT("/Game/LifetimeTest/Asset.Asset:Inner.") + Long)), nullptr);
	UReflectionTestObject* LongestNamed = NewObject<UReflectionTestObject>(Deeper, *Long.Left(NAME_SIZE - 1));
	EXPECT_EQ(FindObject<UObject>(Asset, *(TEXT("Inner.Deeper.") + Long.Left(NAME_SIZE - 1))), LongestNamed);

	EXPECT_TRUE(Inner->Rename(TEXT("Renamed")));
	EXPECT_EQ(FindObject<UReflectionTestObject>(Asset, TEXT("Inner")), nullptr);
	EXPECT_EQ(Deeper->GetPathName(), FString(TEXT("/Game/LifetimeTest/Asset.Asset:Renamed.Deeper")));
	UReflectionTestObject* Taken = NewObject<UReflectionTestObject>(Asset, TEXT("Taken"));
	EXPECT_FALSE(Inner->Rename(TEXT("Taken"), nullptr, REN_Test));
	// Destroyed memory is not ours to read: watch the inner through a weak pointer.
	TWeakObjectPtr<UObject> TakenWeak(Taken);

	UE::ObjectHost::DestroyObjectNow(First);
	UE::ObjectHost::DestroyObjectNow(Second);
	UE::ObjectHost::DestroyObjectNow(Package);
	EXPECT_EQ(FindObject<UObject>(nullptr, TEXT("/Game/LifetimeTest/Asset.Asset")), nullptr);
	EXPECT_FALSE(TakenWeak.Get(true));
}

TEST(ObjectLifetimeTest, WeakPointersGoStaleWhenTheObjectIsMarkedOrDestroyed)
{
	UReflectionTestObject* Object = NewObject<UReflectionTestObject>();
	TWeakObjectPtr<UReflectionTestObject> Weak(Object);
	TWeakObjectPtr<UReflectionTestObject> Never;
	EXPECT_EQ(Weak.Get(), Object);
	EXPECT_TRUE(Weak.IsValid());
	EXPECT_FALSE(Never.IsStale());

	Object->MarkAsGarbage();
	EXPECT_FALSE(IsValid(Object));
	EXPECT_EQ(Weak.Get(), nullptr);
	EXPECT_EQ(Weak.Get(true), Object);
	EXPECT_TRUE(Weak.IsStale());

	const int32 DestroyedBefore = UReflectionTestObject::NumDestroyed;
	CollectGarbage(GARBAGE_OBJECT_FLAGS);
	EXPECT_EQ(UReflectionTestObject::NumDestroyed, DestroyedBefore + 1);
	EXPECT_EQ(Weak.Get(true), nullptr);

	// A new object in the freed slot is not the old one.
	UReflectionTestObject* Replacement = NewObject<UReflectionTestObject>();
	EXPECT_EQ(Weak.Get(true), nullptr);
	EXPECT_TRUE(Weak.IsStale());
	TWeakObjectPtr<UObject> ReplacementWeak(Replacement);
	EXPECT_NE(ReplacementWeak, TWeakObjectPtr<UObject>(Weak));
	UE::ObjectHost::DestroyObjectNow(Replacement);
	EXPECT_FALSE(ReplacementWeak.IsValid());
}

TEST(ObjectLifetimeTest, GarbageCollectionDestroysOnlyMarkedUnrootedObjectsWithTheirInners)
{
	UReflectionTestObject* Kept = NewObject<UReflectionTestObject>();
	UReflectionTestObject* Rooted = NewObject<UReflectionTestObject>();
	UReflectionTestObject* Marked = NewObject<UReflectionTestObject>();
	UReflectionTestObject* MarkedInner = NewObject<UReflectionTestObject>(Marked, TEXT("Inner"));
	Rooted->AddToRoot();
	Rooted->MarkAsGarbage();
	Marked->MarkAsGarbage();
	TWeakObjectPtr<UObject> InnerWeak(MarkedInner);
	TWeakObjectPtr<UObject> MarkedWeak(Marked);

	CollectGarbage(GARBAGE_OBJECT_FLAGS);
	EXPECT_TRUE(Kept->IsValidLowLevel());
	EXPECT_TRUE(Rooted->IsValidLowLevel());
	EXPECT_FALSE(MarkedWeak.Get(true));
	EXPECT_FALSE(InnerWeak.Get(true));

	bool bSawKept = false;
	bool bSawRooted = false;
	for (TObjectIterator<UReflectionTestObject> It; It; ++It)
	{
		bSawKept |= *It == Kept;
		bSawRooted |= *It == Rooted;
	}
	EXPECT_TRUE(bSawKept);
	EXPECT_FALSE(bSawRooted);

	Rooted->RemoveFromRoot();
	UE::ObjectHost::DestroyObjectNow(Kept);
	UE::ObjectHost::DestroyObjectNow(Rooted);
}

namespace
{
	/** A holder outside reflection that reports its references, counting how often it is asked. */
	class FReferenceHolder final : public FGCObject
	{
	public:
		TObjectPtr<UObject> Single;
		UReflectionTestObject* Raw = nullptr;
		TArray<TObjectPtr<UObject>> List;
		int32 NumAsked = 0;

		void AddReferencedObjects(FReferenceCollector& Collector) override
		{
			++NumAsked;
			Collector.AddReferencedObject(Single);
			Collector.AddReferencedObject(Raw);
			Collector.AddReferencedObjects(List);
		}

		FString GetReferencerName() const override
		{
			return TEXT("FReferenceHolder");
		}
	};
}

TEST(ObjectLifetimeTest, CollectionClearsReferencesToTheDestroyedThatSurvivorsAndHoldersKeep)
{
	UReflectionTestObject* Target = NewObject<UReflectionTestObject>();
	UReflectionTestObject* Kept = NewObject<UReflectionTestObject>();
	UReflectionTestContainer* Container = NewObject<UReflectionTestContainer>();
	Container->Links = { Target, Kept, Target };
	Container->WeakLink = Target;
	Container->Ranks.Add(Target, 1);
	Container->Ranks.Add(Kept, 2);
	Container->Listener = Target;
	Container->Part->Settings.Target = Target;
	Kept->Settings.Target = Target;
	FReferenceHolder Holder;
	Holder.Single = Target;
	Holder.Raw = Target;
	Holder.List = { Kept, Target };
	FReferenceHolder Unregistered;
	Unregistered.Single = Target;
	Unregistered.UnregisterGCObject();
	const UObject* const TargetAddress = Target;

	Target->MarkAsGarbage();
	CollectGarbage(GARBAGE_OBJECT_FLAGS);

	// Strong reflected references, also inside arrays, maps, structs and inner objects, are cleared in place.
	EXPECT_EQ(Container->Links, (TArray<TObjectPtr<UObject>>{ nullptr, Kept, nullptr }));
	EXPECT_EQ(Container->Ranks.Num(), 2);
	EXPECT_EQ(Container->Ranks.FindRef(nullptr), 1);
	EXPECT_EQ(Container->Ranks.FindRef(Kept), 2);
	EXPECT_EQ(Container->Listener.GetObject(), nullptr);
	EXPECT_EQ(Container->Listener.GetInterface(), nullptr);
	EXPECT_EQ(Container->Part->Settings.Target, nullptr);
	EXPECT_EQ(Kept->Settings.Target, nullptr);
	// A weak reference is left to go stale, as it does anyway.
	EXPECT_TRUE(Container->WeakLink.IsStale());

	// Registered holders are asked; one that unregistered is not.
	EXPECT_EQ(Holder.NumAsked, 1);
	EXPECT_EQ(Holder.Single, nullptr);
	EXPECT_EQ(Holder.Raw, nullptr);
	EXPECT_EQ(Holder.List, (TArray<TObjectPtr<UObject>>{ Kept, nullptr }));
	EXPECT_EQ(Unregistered.NumAsked, 0);
	EXPECT_EQ(Unregistered.Single, TargetAddress);

	// Destroying a class at once clears the references to it and to its instances as well.
	UClass* RuntimeClass = UE::ObjectHost::FRuntimeClassBuilder(TEXT("LifetimeRuntimeClass"), UReflectionTestObject::StaticClass()).Build();
	UObject* Instance = NewObject<UObject>(GetTransientPackage(), RuntimeClass);
	Kept->ClassRef = RuntimeClass;
	Container->Links = { Instance, Kept };
	Holder.Single = Instance;
	UE::ObjectHost::DestroyObjectNow(RuntimeClass);
	EXPECT_EQ(Kept->ClassRef.Get(), nullptr);
	EXPECT_EQ(Container->Links, (TArray<TObjectPtr<UObject>>{ nullptr, Kept }));
	EXPECT_EQ(Holder.Single, nullptr);
	EXPECT_EQ(Holder.NumAsked, 2);

	UE::ObjectHost::DestroyObjectNow(Container);
	UE::ObjectHost::DestroyObjectNow(Kept);
}

TEST(ObjectLifetimeTest, ClassDefaultObjectsAreSharedAndSeedConfigPropertiesOfNewObjects)
{
	const UReflectionTestDerived* Defaults = GetDefault<UReflectionTestDerived>();
	ASSERT_NE(Defaults, nullptr);
	EXPECT_EQ(Defaults, UReflectionTestDerived::StaticClass()->GetDefaultObject());
	EXPECT_TRUE(Defaults->HasAnyFlags(RF_ClassDefaultObject));
	EXPECT_TRUE(Defaults->IsTemplate());
	EXPECT_EQ(Defaults->GetName(), FString(TEXT("Default__ReflectionTestDerived")));
	EXPECT_EQ(Defaults->Extra, 1.5);
	EXPECT_NE(UReflectionTestAbstract::StaticClass()->GetDefaultObject(), nullptr);

	UReflectionTestDerived* MutableDefaults = GetMutableDefault<UReflectionTestDerived>();
	const int32 OldCounter = MutableDefaults->Counter;
	MutableDefaults->Counter = 77;
	MutableDefaults->Received = { 1, 2 };
	UReflectionTestDerived* Instance = NewObject<UReflectionTestDerived>();
	EXPECT_EQ(Instance->Counter, 77);
	EXPECT_TRUE(Instance->Received.IsEmpty());
	EXPECT_FALSE(Instance->IsTemplate());
	MutableDefaults->Counter = OldCounter;
	MutableDefaults->Received.Empty();
	UE::ObjectHost::DestroyObjectNow(Instance);
}

TEST(ObjectLifetimeTest, DuplicatesFillConstructorMadePartsAndPointInsideAtTheCopies)
{
	UPackage* Package = CreatePackage(TEXT("/Game/LifetimeTest/Duplication"));
	UReflectionTestObject* Outside = NewObject<UReflectionTestObject>(Package, TEXT("Outside"));
	UReflectionTestContainer* Source = NewObject<UReflectionTestContainer>(Package, TEXT("Source"));
	UReflectionTestObject* Part = Source->Part;
	ASSERT_NE(Part, nullptr);
	UReflectionTestObject* Nested = NewObject<UReflectionTestObject>(Part, TEXT("Nested"));
	Part->Counter = 7;
	Part->Settings.Target = Source;
	Part->OnEvent.AddDynamic(Nested, &UReflectionTestObject::HandleEvent);
	Nested->Settings.Target = Part;
	Source->Links = { Nested, Outside };
	Source->WeakLink = Nested;
	Source->Ranks.Add(Nested, 1);
	Source->Ranks.Add(Outside, 2);
	Source->Listener = Nested;

	UReflectionTestContainer* Copy = DuplicateObject<UReflectionTestContainer>(Source, Package, TEXT("Copy"));
	ASSERT_NE(Copy, nullptr);

	// The constructor's part is kept and receives the source part's values.
	UReflectionTestObject* PartCopy = FindObject<UReflectionTestObject>(Copy, TEXT("Part"));
	ASSERT_NE(PartCopy, nullptr);
	EXPECT_EQ(Copy->Part, PartCopy);
	EXPECT_TRUE(PartCopy->HasAnyFlags(RF_DefaultSubObject));
	EXPECT_EQ(PartCopy->Counter, 7);

	UReflectionTestObject* NestedCopy = FindObject<UReflectionTestObject>(PartCopy, TEXT("Nested"));
	ASSERT_NE(NestedCopy, nullptr);
	EXPECT_NE(NestedCopy, Nested);

	// References into the source's objects lead to the copies, at any depth of the value.
	EXPECT_EQ(PartCopy->Settings.Target, Copy);
	EXPECT_EQ(NestedCopy->Settings.Target, PartCopy);
	EXPECT_EQ(Copy->Links, (TArray<TObjectPtr<UObject>>{ NestedCopy, Outside }));
	EXPECT_EQ(Copy->WeakLink.Get(), NestedCopy);
	EXPECT_EQ(Copy->Ranks.Num(), 2);
	EXPECT_EQ(Copy->Ranks.FindRef(NestedCopy), 1);
	EXPECT_EQ(Copy->Ranks.FindRef(Outside), 2);
	EXPECT_EQ(Copy->Listener.GetObject(), NestedCopy);
	EXPECT_EQ(Copy->Listener.GetInterface(), (void*)static_cast<IReflectionTestListener*>(NestedCopy));
	PartCopy->OnEvent.Broadcast(3);
	EXPECT_EQ(NestedCopy->Received, TArray<int32>({ 3 }));
	EXPECT_TRUE(Nested->Received.IsEmpty());

	// The source keeps its own references.
	EXPECT_EQ(Part->Settings.Target, Source);
	EXPECT_EQ(Source->Links[0], Nested);

	UE::ObjectHost::DestroyObjectNow(Package);
}

TEST(ObjectLifetimeTest, SoftPathsParseResolveAndLoadThroughTheInstalledLoader)
{
	const FSoftObjectPath Path(TEXT("/Game/LifetimeTest/Loaded.Loaded:Part"));
	EXPECT_EQ(Path.GetLongPackageName(), FString(TEXT("/Game/LifetimeTest/Loaded")));
	EXPECT_EQ(Path.GetAssetName(), FString(TEXT("Loaded")));
	EXPECT_EQ(Path.GetAssetPathString(), FString(TEXT("/Game/LifetimeTest/Loaded.Loaded")));
	EXPECT_EQ(Path.GetSubPathString(), FString(TEXT("Part")));
	EXPECT_EQ(Path.ToString(), FString(TEXT("/Game/LifetimeTest/Loaded.Loaded:Part")));
	EXPECT_TRUE(FSoftObjectPath(TEXT("")).IsNull());
	EXPECT_TRUE(FSoftObjectPath(TEXT("NotAPath")).IsNull());
	EXPECT_EQ(FSoftObjectPath(TEXT("/Script/Engine.Actor'/Game/A/B.B'")).ToString(), FString(TEXT("/Game/A/B.B")));

	const FSoftObjectPath AssetPath(TEXT("/Game/LifetimeTest/Loaded.Loaded"));
	EXPECT_EQ(AssetPath.ResolveObject(), nullptr);
	TArray<FString> Requests;
	UE::ObjectHost::SetPackageLoadHook([&Requests](const FString& PackageName) -> UPackage* {
		Requests.Add(PackageName);
		UPackage* Package = CreatePackage(*PackageName);
		NewObject<UReflectionTestObject>(Package, TEXT("Loaded"), RF_Public | RF_Standalone | RF_WasLoaded);
		Package->SetFlags(RF_WasLoaded);
		return Package;
	});
	UObject* Loaded = AssetPath.TryLoad();
	ASSERT_NE(Loaded, nullptr);
	EXPECT_EQ(Loaded->GetPathName(), AssetPath.ToString());
	EXPECT_EQ(Requests, TArray<FString>({ TEXT("/Game/LifetimeTest/Loaded") }));
	// Once in memory, nothing is loaded again.
	EXPECT_EQ(LoadObject<UReflectionTestObject>(nullptr, TEXT("/Game/LifetimeTest/Loaded.Loaded")), Loaded);
	EXPECT_EQ(Requests.Num(), 1);
	TSoftObjectPtr<UReflectionTestObject> Soft(AssetPath);
	EXPECT_EQ(Soft.Get(), Loaded);
	UE::ObjectHost::SetPackageLoadHook(nullptr);

	UE::ObjectHost::DestroyObjectNow(Loaded->GetOutermost());
	EXPECT_EQ(Soft.Get(), nullptr);
	EXPECT_TRUE(Soft.IsPending());
	EXPECT_EQ(LoadObject<UReflectionTestObject>(nullptr, TEXT("/Game/LifetimeTest/Loaded.Loaded"), nullptr, LOAD_NoWarn), nullptr);
}
