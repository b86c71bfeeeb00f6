#include "UObject/UObjectGlobals.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "UObject/ObjectTable.h"
#include "UObject/ReferenceRemap.h"

#include <algorithm>
#include <vector>

using namespace UE::CoreUObject::Private;

namespace
{
	TFunction<UPackage*(const FString&)>& PackageLoadHook()
	{
		static TFunction<UPackage*(const FString&)> Hook;
		return Hook;
	}
}

namespace UE::CoreUObject::Private
{
	TFunction<bool(UPackage*, UObject*, const FString&)>& PackageSaveHook()
	{
		static TFunction<bool(UPackage*, UObject*, const FString&)> Hook;
		return Hook;
	}
}

FObjectInitializer::FObjectInitializer()
{
}

FObjectInitializer::FObjectInitializer(UObject* InObj, UClass* InClass, UObject* InOuter, FName InName, EObjectFlags InFlags)
	: Obj(InObj)
	, Class(InClass)
	, Outer(InOuter)
	, Name(InName)
	, Flags(InFlags)
	, bPushed(true)
{
	GetInitializerStack().push_back(this);
}

FObjectInitializer::~FObjectInitializer()
{
	if (bPushed)
	{
		std::vector<FObjectInitializer*>& Stack = GetInitializerStack();
		check(!Stack.empty() && Stack.back() == this);
		Stack.pop_back();
	}
}

FObjectInitializer& FObjectInitializer::Get()
{
	std::vector<FObjectInitializer*>& Stack = GetInitializerStack();
	checkf(!Stack.empty(), TEXT("FObjectInitializer::Get() called outside of an object constructor"));
	return *Stack.back();
}

UObject* FObjectInitializer::CreateDefaultSubobject(UObject* InOuter, FName SubobjectFName, UClass* ReturnType, UClass* ClassToCreateByDefault, bool bIsRequired, bool bIsTransient) const
{
	checkf(InOuter != nullptr, TEXT("CreateDefaultSubobject needs an outer"));
	EObjectFlags SubobjectFlags = (EObjectFlags)(InOuter->GetMaskedFlags(RF_PropagateToSubObjects) | RF_DefaultSubObject);
	if (InOuter->HasAnyFlags((EObjectFlags)(RF_ClassDefaultObject | RF_ArchetypeObject)))
	{
		SubobjectFlags |= RF_ArchetypeObject;
	}
	if (bIsTransient)
	{
		SubobjectFlags |= RF_Transient;
	}
	FStaticConstructObjectParameters Params(ClassToCreateByDefault);
	Params.Outer = InOuter;
	Params.Name = SubobjectFName;
	Params.SetFlags = SubobjectFlags;
	return StaticConstructObject_Internal(Params);
}

static bool HasConfigPropertiesToCopy(const UClass* Class)
{
	return Class->HasAnyClassFlags(CLASS_Config);
}

UObject* StaticConstructObject_Internal(const FStaticConstructObjectParameters& Params)
{
	UClass* Class = const_cast<UClass*>(Params.Class);
	checkf(Class != nullptr, TEXT("NewObject called with a null class"));
	const bool bIsCDO = (Params.SetFlags & RF_ClassDefaultObject) != 0;
	checkf(bIsCDO || !Class->HasAnyClassFlags(CLASS_Abstract), TEXT("Cannot create an object of the abstract class %s"), *Class->GetName());
	checkf(Class->ClassConstructor != nullptr, TEXT("Class %s has no constructor"), *Class->GetName());
	UObject* Outer = Params.Outer;
	checkf(Outer != nullptr || Class->IsChildOf(UPackage::StaticClass()), TEXT("NewObject of %s with a null outer: only packages may be outermost"), *Class->GetName());

	FName Name = Params.Name;
	if (Name.IsNone())
	{
		Name = MakeUniqueObjectName(Outer, Class);
	}
	else if (UObjectBase* Existing = FObjectTable::Get().FindInHash(Outer, Name))
	{
		checkf(false, TEXT("Cannot create object '%s': an object of that name (%s) already exists in '%s' (replacing objects is not implemented in the stand-in)"),
			*Name.ToString(), *((UObject*)Existing)->GetClass()->GetName(), Outer ? *Outer->GetPathName() : TEXT("None"));
	}

	void* Memory = AllocateObjectMemory(Class->GetPropertiesSize(), Class->GetMinAlignment());
	UObject* Result = nullptr;
	{
		FObjectInitializer Initializer((UObject*)Memory, Class, Outer, Name, Params.SetFlags);
		(*Class->ClassConstructor)(Initializer);
		Result = (UObject*)Memory;
	}
	if ((int32)Params.InternalSetFlags != 0)
	{
		Result->SetInternalFlags(Params.InternalSetFlags);
	}

	// Class defaults reach instances through the configuration properties (as the engine's
	// post-construct copy); a template, when given, supplies every property.
	if (Params.Template)
	{
		for (TFieldIterator<FProperty> It(Class); It; ++It)
		{
			if (Params.Template->GetClass()->IsChildOf(It->GetOwnerStruct()))
			{
				It->CopyCompleteValue_InContainer(Result, Params.Template);
			}
		}
	}
	else if (!bIsCDO && HasConfigPropertiesToCopy(Class))
	{
		UObject* Defaults = Class->GetDefaultObject();
		for (TFieldIterator<FProperty> It(Class); It; ++It)
		{
			if (It->HasAnyPropertyFlags(CPF_Config))
			{
				It->CopyCompleteValue_InContainer(Result, Defaults);
			}
		}
	}
	if (bIsCDO)
	{
		LoadConfigForNewDefaultObject(Result);
	}
	Result->PostInitProperties();
	return Result;
}

FName MakeUniqueObjectName(UObject* Outer, const UClass* Class, FName BaseName)
{
	checkf(Class != nullptr, TEXT("MakeUniqueObjectName needs a class"));
	const FName Base = BaseName.IsNone() ? Class->GetFName() : BaseName;
	UClass* MutableClass = const_cast<UClass*>(Class);
	for (;;)
	{
		// FName numbers print one less than stored: the first object is "<Class>_0".
		const FName Candidate(Base, ++MutableClass->ClassUnique);
		if (FObjectTable::Get().FindInHash(Outer, Candidate) == nullptr)
		{
			return Candidate;
		}
	}
}

UPackage* CreatePackage(const TCHAR* PackageName)
{
	checkf(PackageName != nullptr && *PackageName, TEXT("CreatePackage needs a name"));
	// Asking for the class first: its registration may itself create this package.
	UClass* PackageClass = UPackage::StaticClass();
	const FName Name(PackageName);
	if (UObjectBase* Existing = FObjectTable::Get().FindInHash(nullptr, Name))
	{
		checkf(((UObject*)Existing)->IsA(PackageClass), TEXT("'%s' exists and is not a package"), PackageName);
		return (UPackage*)Existing;
	}
	FStaticConstructObjectParameters Params(PackageClass);
	Params.Name = Name;
	Params.SetFlags = RF_Public;
	UPackage* Package = (UPackage*)StaticConstructObject_Internal(Params);
	if (FString(PackageName).StartsWith(TEXT("/Script/")))
	{
		Package->SetPackageFlags(PKG_CompiledIn);
		Package->AddToRoot();
	}
	return Package;
}

UPackage* GetTransientPackage()
{
	static UPackage* TransientPackage = nullptr;
	if (!TransientPackage)
	{
		TransientPackage = CreatePackage(TEXT("/Engine/Transient"));
		TransientPackage->SetFlags(RF_Transient);
		TransientPackage->AddToRoot();
	}
	return TransientPackage;
}

/**
 * Whether every part of the path (split at Delimiters) is short enough to be a name. No object has a longer name (making
 * one fails the name check), so a path with a longer part finds nothing.
 */
static bool HasOnlyNameSizedParts(const FString& Path, const TCHAR* Delimiters)
{
	int32 Run = 0;
	for (TCHAR Char : Path)
	{
		Run = FCString::Strchr(Delimiters, Char) != nullptr ? 0 : Run + 1;
		if (Run >= NAME_SIZE)
		{
			return false;
		}
	}
	return true;
}

UPackage* FindPackage(UObject* InOuter, const TCHAR* PackageName)
{
	if (!HasOnlyNameSizedParts(PackageName, TEXT("")))
	{
		return nullptr;
	}
	UObjectBase* Found = FObjectTable::Get().FindInHash(InOuter, FName(PackageName));
	return Found && ((UObject*)Found)->IsA(UPackage::StaticClass()) ? (UPackage*)Found : nullptr;
}

/** Splits "/Pkg/Path.Obj:Sub.Sub2" into the package name and the names below it. */
static void SplitObjectPath(const FString& Path, FString& OutPackage, TArray<FString>& OutNames)
{
	OutNames.Reset();
	int32 Cut = INDEX_NONE;
	for (int32 Index = 0; Index < Path.Len(); ++Index)
	{
		if (Path[Index] == TEXT('.') || Path[Index] == TEXT(':'))
		{
			Cut = Index;
			break;
		}
	}
	if (Cut == INDEX_NONE)
	{
		OutPackage = Path;
		return;
	}
	OutPackage = Path.Left(Cut);
	FString Current;
	for (int32 Index = Cut + 1; Index < Path.Len(); ++Index)
	{
		const TCHAR Char = Path[Index];
		if (Char == TEXT('.') || Char == TEXT(':'))
		{
			OutNames.Add(Current);
			Current.Reset();
		}
		else
		{
			Current.AppendChar(Char);
		}
	}
	OutNames.Add(Current);
}

/** Removes a Class'...' wrapper and surrounding quotes. */
static FString StripObjectPath(const FString& InPath)
{
	FString Path = InPath.TrimStartAndEnd();
	int32 Quote = INDEX_NONE;
	if (Path.EndsWith(TEXT("'")) && Path.FindChar(TEXT('\''), Quote) && Quote < Path.Len() - 1)
	{
		Path = Path.Mid(Quote + 1, Path.Len() - Quote - 2);
	}
	if (Path.Len() >= 2 && Path[0] == TEXT('"') && Path[Path.Len() - 1] == TEXT('"'))
	{
		Path = Path.Mid(1, Path.Len() - 2);
	}
	return Path;
}

static bool MatchesClass(UObject* Object, UClass* Class, bool bExactClass)
{
	if (!Class)
	{
		return true;
	}
	return bExactClass ? Object->GetClass() == Class : Object->IsA(Class);
}

UObject* StaticFindObjectFast(UClass* Class, UObject* InOuter, FName InName, bool ExactClass, EObjectFlags ExclusiveFlags, EInternalObjectFlags ExclusiveInternalFlags)
{
	UObject* Found = (UObject*)FObjectTable::Get().FindInHash(InOuter, InName);
	if (!Found || !MatchesClass(Found, Class, ExactClass) || Found->HasAnyFlags(ExclusiveFlags))
	{
		return nullptr;
	}
	if ((int32)ExclusiveInternalFlags != 0 && Found->HasAnyInternalFlags(ExclusiveInternalFlags))
	{
		return nullptr;
	}
	return Found;
}

/** The object of that name directly inside Outer (a package when Outer is null); none for a name too long to be one. */
static UObject* FindInOuter(UObject* Outer, const FString& Name)
{
	return Name.Len() < NAME_SIZE ? (UObject*)FObjectTable::Get().FindInHash(Outer, FName(*Name)) : nullptr;
}

static UObject* FindByPath(UClass* Class, const FString& InPath, bool bExactClass)
{
	FString PackageName;
	TArray<FString> Names;
	SplitObjectPath(InPath, PackageName, Names);
	UObject* Current = FindInOuter(nullptr, PackageName);
	for (const FString& Name : Names)
	{
		if (!Current)
		{
			return nullptr;
		}
		Current = FindInOuter(Current, Name);
	}
	return Current && MatchesClass(Current, Class, bExactClass) ? Current : nullptr;
}

static UObject* FindByShortName(UClass* Class, FName Name, bool bExactClass)
{
	UObject* Result = nullptr;
	FObjectTable::Get().ForEachObject([&](UObject* Object) {
		if (!Result && Object->GetFName() == Name && MatchesClass(Object, Class, bExactClass))
		{
			Result = Object;
		}
	});
	return Result;
}

UObject* StaticFindObject(UClass* Class, UObject* InOuter, const TCHAR* Name, bool ExactClass)
{
	checkf(Name != nullptr, TEXT("StaticFindObject needs a name"));
	const FString Path = StripObjectPath(FString(Name));
	if (Path.IsEmpty() || Path == TEXT("None"))
	{
		return nullptr;
	}
	// A path is split at these delimiters below; a bare name is one name.
	const TCHAR* const Delimiters = InOuter ? TEXT(".") : (Path.StartsWith(TEXT("/")) ? TEXT(".:") : TEXT(""));
	if (!HasOnlyNameSizedParts(Path, Delimiters))
	{
		return nullptr;
	}
	if (InOuter)
	{
		// A relative path ("Sub.Sub2") below the outer.
		UObject* Current = InOuter;
		TArray<FString> Parts;
		Path.ParseIntoArray(Parts, TEXT("."), true);
		for (const FString& Part : Parts)
		{
			if (!Current)
			{
				return nullptr;
			}
			Current = FindInOuter(Current, Part);
		}
		return Current && MatchesClass(Current, Class, ExactClass) ? Current : nullptr;
	}
	if (Path.StartsWith(TEXT("/")))
	{
		return FindByPath(Class, Path, ExactClass);
	}
	// A bare name: the first object of that name anywhere (the engine's deprecated "any package" search).
	return FindByShortName(Class, FName(*Path), ExactClass);
}

UObject* StaticFindFirstObject(UClass* Class, const TCHAR* Name, EFindFirstObjectOptions Options, ELogVerbosity::Type AmbiguousMessageVerbosity, const TCHAR* InCurrentOperation)
{
	const FString Path = StripObjectPath(FString(Name));
	const bool bExact = ((int32)Options & (int32)EFindFirstObjectOptions::ExactClass) != 0;
	if (Path.StartsWith(TEXT("/")))
	{
		return FindByPath(Class, Path, bExact);
	}
	if (Path.Len() >= NAME_SIZE)
	{
		return nullptr;
	}
	// Native classes first, as the engine's /Script packages are searched before content.
	UObject* NativeHit = nullptr;
	UObject* AnyHit = nullptr;
	const FName ShortName(*Path);
	FObjectTable::Get().ForEachObject([&](UObject* Object) {
		if (Object->GetFName() == ShortName && MatchesClass(Object, Class, bExact))
		{
			if (!AnyHit)
			{
				AnyHit = Object;
			}
			if (!NativeHit && Object->GetOutermost() && Object->GetOutermost()->HasAnyPackageFlags(PKG_CompiledIn))
			{
				NativeHit = Object;
			}
		}
	});
	return NativeHit ? NativeHit : AnyHit;
}

UPackage* LoadPackage(UPackage* InOuter, const TCHAR* InLongPackageName, uint32 LoadFlags, FArchive* InReaderOverride, const void* InstancingContext)
{
	const FString PackageName = StripObjectPath(FString(InLongPackageName));
	if (!HasOnlyNameSizedParts(PackageName, TEXT("")))
	{
		if (!(LoadFlags & (LOAD_NoWarn | LOAD_Quiet)))
		{
			UE_LOG(LogUObjectGlobals, Warning, TEXT("Failed to load '%s...': a package name takes up to %d characters"), *PackageName.Left(64), NAME_SIZE - 1);
		}
		return nullptr;
	}
	if (UPackage* Existing = FindPackage(nullptr, *PackageName))
	{
		if (Existing->HasAnyPackageFlags(PKG_CompiledIn) || Existing->HasAnyFlags(RF_WasLoaded | RF_LoadCompleted) || !PackageLoadHook())
		{
			return Existing;
		}
	}
	if (!PackageLoadHook())
	{
		UE_LOG(LogUObjectGlobals, Warning, TEXT("Failed to load '%s': no package loader is installed"), *PackageName);
		return nullptr;
	}
	UPackage* Package = PackageLoadHook()(PackageName);
	if (!Package && !(LoadFlags & (LOAD_NoWarn | LOAD_Quiet)))
	{
		UE_LOG(LogUObjectGlobals, Warning, TEXT("Failed to load '%s': File not found."), *PackageName);
	}
	return Package;
}

UObject* StaticLoadObject(UClass* Class, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename, uint32 LoadFlags, void* Sandbox, bool bAllowObjectReconciliation, const void* InstancingContext)
{
	if (UObject* Found = StaticFindObject(Class, InOuter, Name))
	{
		return Found;
	}
	FString Path = StripObjectPath(FString(Name));
	if (InOuter)
	{
		Path = InOuter->GetPathName() + TEXT(".") + Path;
	}
	if (!Path.StartsWith(TEXT("/")))
	{
		return nullptr;
	}
	FString PackageName;
	TArray<FString> Names;
	SplitObjectPath(Path, PackageName, Names);
	if (!LoadPackage(nullptr, *PackageName, LoadFlags | LOAD_NoWarn))
	{
		if (!(LoadFlags & (LOAD_NoWarn | LOAD_Quiet)))
		{
			UE_LOG(LogUObjectGlobals, Warning, TEXT("Failed to find object '%s %s'"), Class ? *Class->GetName() : TEXT("Object"), *Path);
		}
		return nullptr;
	}
	return FindByPath(Class, Path, false);
}

UClass* StaticLoadClass(UClass* BaseClass, UObject* InOuter, const TCHAR* Name, const TCHAR* Filename, uint32 LoadFlags, void* Sandbox)
{
	UClass* Class = (UClass*)StaticLoadObject(UClass::StaticClass(), InOuter, Name, Filename, LoadFlags, Sandbox);
	if (Class && BaseClass && !Class->IsChildOf(BaseClass))
	{
		UE_LOG(LogUObjectGlobals, Warning, TEXT("'%s' is not a child class of '%s'"), *Class->GetPathName(), *BaseClass->GetPathName());
		return nullptr;
	}
	return Class;
}

void UE::ObjectHost::SetPackageLoadHook(TFunction<UPackage*(const FString& LongPackageName)> Hook)
{
	PackageLoadHook() = MoveTemp(Hook);
}

void UE::ObjectHost::SetPackageSaveHook(TFunction<bool(UPackage* Package, UObject* Asset, const FString& Filename)> Hook)
{
	PackageSaveHook() = MoveTemp(Hook);
}

int32 UE::ObjectHost::GetNumLiveObjects()
{
	int32 Count = 0;
	FObjectTable::Get().ForEachObject([&](UObject*) { ++Count; });
	return Count;
}

namespace
{
	/** Each duplicated source object and its copy. */
	typedef TMap<UObject*, UObject*> FDuplicateMap;

	UObject* FindDuplicate(UObject* Object, const FDuplicateMap& Duplicates)
	{
		UObject* const* Found = Object ? Duplicates.Find(Object) : nullptr;
		return Found ? *Found : nullptr;
	}

	/** Gives every inner object of Source (recursively) a counterpart under Duplicate: the object of
	 *  the same name when the copy's constructor already made it, else a new one. */
	void DuplicateInners(const UObject* Source, UObject* Duplicate, EObjectFlags FlagMask, FDuplicateMap& Duplicates)
	{
		TArray<UObject*> Inners;
		GetObjectsWithOuter(Source, Inners, false);
		for (UObject* Inner : Inners)
		{
			if (Inner->IsA(UField::StaticClass()) || Inner->HasAnyFlags(RF_DuplicateTransient))
			{
				continue;
			}
			UObject* InnerCopy = (UObject*)FObjectTable::Get().FindInHash(Duplicate, Inner->GetFName());
			if (InnerCopy == nullptr)
			{
				FStaticConstructObjectParameters Params(Inner->GetClass());
				Params.Outer = Duplicate;
				Params.Name = Inner->GetFName();
				Params.SetFlags = (EObjectFlags)(Inner->GetMaskedFlags(FlagMask) & ~(RF_ClassDefaultObject | RF_ArchetypeObject));
				InnerCopy = StaticConstructObject_Internal(Params);
			}
			Duplicates.Add(Inner, InnerCopy);
			DuplicateInners(Inner, InnerCopy, FlagMask, Duplicates);
		}
	}
}

UObject* StaticDuplicateObject(const UObject* SourceObject, UObject* DestOuter, const FName DestName, EObjectFlags FlagMask, UClass* DestClass)
{
	checkf(SourceObject != nullptr, TEXT("StaticDuplicateObject needs a source"));
	UClass* Class = DestClass ? DestClass : SourceObject->GetClass();
	FStaticConstructObjectParameters Params(Class);
	Params.Outer = DestOuter ? DestOuter : (UObject*)GetTransientPackage();
	Params.Name = DestName;
	Params.SetFlags = (EObjectFlags)(SourceObject->GetMaskedFlags(FlagMask) & ~(RF_ClassDefaultObject | RF_ArchetypeObject));
	UObject* Duplicate = StaticConstructObject_Internal(Params);

	// Every copy exists before any value is copied, so references between them can be remapped.
	FDuplicateMap Duplicates;
	Duplicates.Add(const_cast<UObject*>(SourceObject), Duplicate);
	DuplicateInners(SourceObject, Duplicate, FlagMask, Duplicates);
	const FReferenceRemap ToCopies([&Duplicates](UObject* Object) {
		UObject* Copy = FindDuplicate(Object, Duplicates);
		return Copy ? Copy : Object;
	},
		true);
	for (const TPair<UObject*, UObject*>& Pair : Duplicates)
	{
		UClass* SourceClass = Pair.Key->GetClass();
		for (TFieldIterator<FProperty> It(Pair.Value->GetClass()); It; ++It)
		{
			if (SourceClass->IsChildOf(It->GetOwnerStruct()) && !It->HasAnyPropertyFlags(CPF_DuplicateTransient))
			{
				It->CopyCompleteValue_InContainer(Pair.Value, Pair.Key);
				for (int32 Index = 0; Index < It->ArrayDim; ++Index)
				{
					RemapReferences(*It, It->ContainerPtrToValuePtr<void>(Pair.Value, Index), ToCopies);
				}
			}
		}
	}
	return Duplicate;
}

void GetObjectsWithOuter(const UObject* Outer, TArray<UObject*>& Results, bool bIncludeNestedObjects, EObjectFlags ExclusionFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	ForEachObjectWithOuter(
		Outer, [&](UObject* Object) { Results.Add(Object); }, bIncludeNestedObjects, ExclusionFlags, ExclusionInternalFlags);
}

void ForEachObjectWithOuter(const UObject* Outer, TFunctionRef<void(UObject*)> Operation, bool bIncludeNestedObjects, EObjectFlags ExclusionFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	std::vector<UObject*> Found;
	FObjectTable::Get().ForEachObject([&](UObject* Object) {
		if (Object->HasAnyFlags(ExclusionFlags) || ((int32)ExclusionInternalFlags != 0 && Object->HasAnyInternalFlags(ExclusionInternalFlags)))
		{
			return;
		}
		if (Object->GetOuter() == Outer || (bIncludeNestedObjects && Object != Outer && Object->IsIn(Outer) && Outer != nullptr))
		{
			Found.push_back(Object);
		}
	});
	for (UObject* Object : Found)
	{
		Operation(Object);
	}
}

void GetObjectsOfClass(const UClass* ClassToLookFor, TArray<UObject*>& Results, bool bIncludeDerivedClasses, EObjectFlags ExcludeFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	ForEachObjectOfClass(
		ClassToLookFor, [&](UObject* Object) { Results.Add(Object); }, bIncludeDerivedClasses, ExcludeFlags, ExclusionInternalFlags);
}

void ForEachObjectOfClass(const UClass* ClassToLookFor, TFunctionRef<void(UObject*)> Operation, bool bIncludeDerivedClasses, EObjectFlags ExcludeFlags, EInternalObjectFlags ExclusionInternalFlags)
{
	std::vector<UObject*> Found;
	FObjectTable::Get().ForEachObject([&](UObject* Object) {
		if (!Object->GetClass() || Object->HasAnyFlags(ExcludeFlags) || ((int32)ExclusionInternalFlags != 0 && Object->HasAnyInternalFlags(ExclusionInternalFlags)))
		{
			return;
		}
		if (bIncludeDerivedClasses ? Object->IsA(ClassToLookFor) : Object->GetClass() == ClassToLookFor)
		{
			Found.push_back(Object);
		}
	});
	for (UObject* Object : Found)
	{
		Operation(Object);
	}
}

void GetDerivedClasses(const UClass* ClassToLookFor, TArray<UClass*>& Results, bool bRecursive)
{
	FObjectTable::Get().ForEachObject([&](UObject* Object) {
		UClass* Class = dynamic_cast<UClass*>(Object);
		if (!Class || Class == ClassToLookFor || Class->IsGarbage())
		{
			return;
		}
		if (bRecursive ? Class->IsChildOf(ClassToLookFor) : Class->GetSuperClass() == ClassToLookFor)
		{
			Results.Add(Class);
		}
	});
}

bool StaticExec(UWorld* InWorld, const TCHAR* Cmd, FOutputDevice& Ar)
{
	return false;
}
