// UPackage: the outermost object of an asset ("/Game/Maps/Stage") or of a module's classes ("/Script/Engine").

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"

struct FSavePackageArgs
{
	EObjectFlags TopLevelFlags = RF_Standalone;
	bool bForceByteSwapping = false;
	bool bWarnOfLongFilename = true;
	uint32 SaveFlags = 0;
	FOutputDevice* Error = nullptr;
};

struct FSavePackageResultStruct
{
	enum class ESavePackageResult
	{
		Success,
		Error
	};

	FSavePackageResultStruct(ESavePackageResult InResult)
		: Result(InResult)
	{
	}

	bool IsSuccessful() const
	{
		return Result == ESavePackageResult::Success;
	}

	ESavePackageResult Result;
};

class COREUOBJECT_API UPackage : public UObject
{
	DECLARE_CLASS(UPackage, UObject, CLASS_Native | CLASS_Intrinsic, CASTCLASS_None, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UPackage)

public:
	UPackage(const FObjectInitializer& ObjectInitializer);

	bool HasAnyPackageFlags(uint32 FlagsToCheck) const
	{
		return (PackageFlags & FlagsToCheck) != 0;
	}

	bool HasAllPackageFlags(uint32 FlagsToCheck) const
	{
		return (PackageFlags & FlagsToCheck) == FlagsToCheck;
	}

	void SetPackageFlags(uint32 NewFlags)
	{
		PackageFlags |= NewFlags;
	}

	void ClearPackageFlags(uint32 NewFlags)
	{
		PackageFlags &= ~NewFlags;
	}

	void SetPackageFlagsTo(uint32 NewFlags)
	{
		PackageFlags = NewFlags;
	}

	uint32 GetPackageFlags() const
	{
		return PackageFlags;
	}

	/** Marks the package as changed; always succeeds in the stand-in. */
	bool MarkPackageDirty();

	void SetDirtyFlag(bool bInIsDirty)
	{
		bDirty = bInIsDirty;
	}

	bool IsDirty() const
	{
		return bDirty;
	}

	FName GetLoadedPath() const
	{
		return GetFName();
	}

	/** The asset object of this package (the object named as the package's last path element). */
	UObject* FindAssetInPackage(EObjectFlags RequiredTopLevelFlags = RF_NoFlags) const;

	/** Writes the package through the asset registry's save hook. */
	static FSavePackageResultStruct Save(UPackage* InOuter, UObject* InAsset, const TCHAR* Filename, const FSavePackageArgs& SaveArgs);
	static bool SavePackage(UPackage* InOuter, UObject* InAsset, EObjectFlags TopLevelFlags, const TCHAR* Filename, FOutputDevice* Error = nullptr, void* Conform = nullptr, bool bForceByteSwapping = false, bool bWarnOfLongFilename = true, uint32 SaveFlags = 0);

	static FString GetAssetPackageExtension()
	{
		return FString(TEXT(".uasset"));
	}

	static FString GetMapPackageExtension()
	{
		return FString(TEXT(".umap"));
	}

	/** Broadcast when a package becomes dirty. */
	DECLARE_MULTICAST_DELEGATE_TwoParams(FOnPackageDirtyStateChanged, UPackage*, bool);
	static FOnPackageDirtyStateChanged PackageDirtyStateChangedEvent;

	DECLARE_MULTICAST_DELEGATE_OneParam(FOnPackageMarkedDirty, UPackage*);
	static FOnPackageMarkedDirty PackageMarkedDirtyEvent;

private:
	uint32 PackageFlags = PKG_None;
	bool bDirty = false;
};
