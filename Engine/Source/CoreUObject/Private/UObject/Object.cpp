#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/Package.h"
#include "UObject/Interface.h"
#include "UObject/ObjectTable.h"
#include "Templates/Casts.h"

using namespace UE::CoreUObject::Private;

IMPLEMENT_CLASS(UObject)
IMPLEMENT_CLASS(UInterface)
IMPLEMENT_CLASS(UPackage)

UObject::UObject()
{
}

UObject::UObject(const FObjectInitializer& ObjectInitializer)
{
}

UObject::UObject(EStaticConstructor, EObjectFlags InFlags)
	: UObjectBaseUtility(InFlags)
{
}

UObject::~UObject()
{
}

void UObject::PostInitProperties()
{
}

void UObject::PostLoad()
{
}

void UObject::BeginDestroy()
{
}

void UObject::FinishDestroy()
{
}

bool UObject::Modify(bool bAlwaysMarkDirty)
{
	if (bAlwaysMarkDirty && !HasAnyFlags(RF_Transient))
	{
		if (UPackage* Package = GetPackage())
		{
			if (static_cast<UObject*>(Package) != this)
			{
				Package->MarkPackageDirty();
			}
		}
	}
	return true;
}

bool UObject::Rename(const TCHAR* InName, UObject* NewOuter, ERenameFlags Flags)
{
	UObject* const OldOuter = GetOuter();
	const FName OldName = GetFName();
	UObject* const TargetOuter = NewOuter ? NewOuter : OldOuter;
	const FName NewName = InName ? FName(InName) : MakeUniqueObjectName(TargetOuter, GetClass());
	UObjectBase* Existing = FObjectTable::Get().FindInHash(TargetOuter, NewName);
	if (Existing && Existing != this)
	{
		if (!(Flags & REN_Test))
		{
			UE_LOG(LogUObjectGlobals, Warning, TEXT("Cannot rename %s to %s: the name is taken in %s"), *GetPathName(), *NewName.ToString(), TargetOuter ? *TargetOuter->GetPathName() : TEXT("None"));
		}
		return false;
	}
	if (Flags & REN_Test)
	{
		return true;
	}
	FObjectTable::Get().RemoveFromHash(this);
	RegisterNative(GetClass(), TargetOuter, NewName);
	PostRename(OldOuter, OldName);
	return true;
}

#if WITH_EDITOR
void UObject::PreEditChange(FProperty* PropertyAboutToChange)
{
	Modify();
}

void UObject::PostEditChange()
{
	FPropertyChangedEvent Event(nullptr);
	PostEditChangeProperty(Event);
}

void UObject::PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent)
{
}

bool UObject::CanEditChange(const FProperty* InProperty) const
{
	return InProperty && !InProperty->HasAnyPropertyFlags(CPF_EditConst);
}
#endif

UWorld* UObject::GetWorld() const
{
	if (UObject* Outer = GetOuter())
	{
		return Outer->GetWorld();
	}
	return nullptr;
}

bool UObject::ImplementsGetWorld() const
{
	return true;
}

UFunction* UObject::FindFunction(FName InName) const
{
	return GetClass()->FindFunctionByName(InName);
}

UFunction* UObject::FindFunctionChecked(FName InName) const
{
	UFunction* Result = FindFunction(InName);
	checkf(Result != nullptr, TEXT("Failed to find function %s in %s"), *InName.ToString(), *GetFullName());
	return Result;
}

void UObject::ProcessEvent(UFunction* Function, void* Parms)
{
	checkf(Function != nullptr, TEXT("ProcessEvent called with a null function on %s"), *GetFullName());
	checkf(!IsUnreachable(), TEXT("ProcessEvent on an unreachable object %s"), *GetFullName());
	if (Function->HasScriptBody())
	{
		Function->ScriptBody(this, Parms);
		return;
	}
	if (Function->HasAnyFunctionFlags(FUNC_Native) && Function->GetNativeFunc())
	{
		FFrame Stack(this, Function, Parms);
		uint8* ReturnValueAddress = Function->ReturnValueOffset != 0xFFFF ? (uint8*)Parms + Function->ReturnValueOffset : nullptr;
		Function->Invoke(this, Stack, ReturnValueAddress);
		return;
	}
	// An event with no implementation (no override, no native body) does nothing, as in the engine.
}

bool UObject::CallFunctionByNameWithArguments(const TCHAR* Cmd, FOutputDevice& Ar, UObject* Executor, bool bForceCallWithNonExec)
{
	checkf(false, TEXT("UObject::CallFunctionByNameWithArguments is not implemented in the stand-in (use the `call` console command)"));
	return false;
}

UObject* UObject::CreateDefaultSubobject(FName SubobjectFName, UClass* ReturnType, UClass* ClassToCreateByDefault, bool bIsRequired, bool bIsTransient)
{
	return FObjectInitializer().CreateDefaultSubobject(this, SubobjectFName, ReturnType, ClassToCreateByDefault, bIsRequired, bIsTransient);
}

bool UObject::IsAsset() const
{
	UObject* Outer = GetOuter();
	return Outer && Outer->GetClass() == UPackage::StaticClass() && !HasAnyFlags((EObjectFlags)(RF_Transient | RF_ClassDefaultObject)) && HasAnyFlags(RF_Public);
}

bool UObject::MarkPackageDirty() const
{
	UPackage* Package = GetOutermost();
	return Package ? Package->MarkPackageDirty() : false;
}

UObject* UObject::GetArchetype() const
{
	return HasAnyFlags(RF_ClassDefaultObject) ? nullptr : GetClass()->GetDefaultObject();
}

namespace UE::CoreUObject::Private
{
	[[noreturn]] void CastCheckedFailed(const UObject* Object, const UClass* ToClass)
	{
		checkf(false, TEXT("Cast of %s to %s failed"), Object ? *Object->GetFullName() : TEXT("nullptr"), ToClass ? *ToClass->GetName() : TEXT("the requested type"));
		std::abort();
	}
}

// ---------------------------------------------------------------- UInterface, UPackage

UInterface::UInterface(const FObjectInitializer& ObjectInitializer)
	: UObject(ObjectInitializer)
{
}

UPackage::FOnPackageDirtyStateChanged UPackage::PackageDirtyStateChangedEvent;
UPackage::FOnPackageMarkedDirty UPackage::PackageMarkedDirtyEvent;

UPackage::UPackage(const FObjectInitializer& ObjectInitializer)
	: UObject(ObjectInitializer)
{
}

bool UPackage::MarkPackageDirty()
{
	if (HasAnyFlags(RF_Transient) || HasAnyPackageFlags(PKG_CompiledIn))
	{
		return true;
	}
	const bool bWasDirty = bDirty;
	bDirty = true;
	PackageMarkedDirtyEvent.Broadcast(this);
	if (!bWasDirty)
	{
		PackageDirtyStateChangedEvent.Broadcast(this, true);
	}
	return true;
}

UObject* UPackage::FindAssetInPackage(EObjectFlags RequiredTopLevelFlags) const
{
	FString PackageName = GetName();
	int32 Slash = INDEX_NONE;
	const FString AssetName = PackageName.FindLastChar(TEXT('/'), Slash) ? PackageName.Mid(Slash + 1) : PackageName;
	UObject* Asset = StaticFindObjectFast(nullptr, const_cast<UPackage*>(this), FName(*AssetName));
	return Asset && (RequiredTopLevelFlags == RF_NoFlags || Asset->HasAnyFlags(RequiredTopLevelFlags)) ? Asset : nullptr;
}

namespace UE::CoreUObject::Private
{
	TFunction<bool(UPackage*, UObject*, const FString&)>& PackageSaveHook();
}

FSavePackageResultStruct UPackage::Save(UPackage* InOuter, UObject* InAsset, const TCHAR* Filename, const FSavePackageArgs& SaveArgs)
{
	checkf(PackageSaveHook(), TEXT("UPackage::Save is not implemented in the stand-in without a package saver (the asset registry installs it)"));
	const bool bSaved = PackageSaveHook()(InOuter, InAsset ? InAsset : (InOuter ? InOuter->FindAssetInPackage() : nullptr), FString(Filename));
	if (bSaved && InOuter)
	{
		const bool bWasDirty = InOuter->bDirty;
		InOuter->bDirty = false;
		if (bWasDirty)
		{
			PackageDirtyStateChangedEvent.Broadcast(InOuter, false);
		}
	}
	return FSavePackageResultStruct(bSaved ? FSavePackageResultStruct::ESavePackageResult::Success : FSavePackageResultStruct::ESavePackageResult::Error);
}

bool UPackage::SavePackage(UPackage* InOuter, UObject* InAsset, EObjectFlags TopLevelFlags, const TCHAR* Filename, FOutputDevice* Error, void* Conform, bool bForceByteSwapping, bool bWarnOfLongFilename, uint32 SaveFlags)
{
	FSavePackageArgs Args;
	Args.TopLevelFlags = TopLevelFlags;
	Args.Error = Error;
	Args.SaveFlags = SaveFlags;
	return Save(InOuter, InAsset, Filename, Args).IsSuccessful();
}
