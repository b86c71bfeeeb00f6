// FSoftObjectPath: a reference to an object by path ("/Game/Maps/Stage.Stage:PersistentLevel"),
// resolved to the object in memory or loaded on request.

#pragma once

#include "CoreMinimal.h"
#include "UObject/TopLevelAssetPath.h"

class UObject;
struct FUObjectSerializeContext;
class UClass;

struct COREUOBJECT_API FSoftObjectPath
{
	FSoftObjectPath() = default;
	FSoftObjectPath(const FSoftObjectPath&) = default;
	FSoftObjectPath& operator=(const FSoftObjectPath&) = default;

	/** From "/Pkg/Path.Asset" or "/Pkg/Path.Asset:Sub"; an optional Class'...' wrapper is removed. */
	FSoftObjectPath(const FString& Path)
	{
		SetPath(Path);
	}
	FSoftObjectPath(const TCHAR* Path)
	{
		SetPath(FString(Path));
	}
	FSoftObjectPath(FTopLevelAssetPath InAssetPath, FString InSubPathString = FString())
		: AssetPath(InAssetPath)
		, SubPathString(MoveTemp(InSubPathString))
	{
	}
	FSoftObjectPath(FName InPackageName, FName InAssetName, FString InSubPathString)
		: AssetPath(InPackageName, InAssetName)
		, SubPathString(MoveTemp(InSubPathString))
	{
	}
	FSoftObjectPath(const UObject* InObject);

	FSoftObjectPath& operator=(const FString& Path)
	{
		SetPath(Path);
		return *this;
	}
	FSoftObjectPath& operator=(const UObject* InObject);

	void SetPath(const FString& Path);
	void Reset()
	{
		AssetPath.Reset();
		SubPathString.Reset();
	}

	/** "/Pkg/Path.Asset:Sub", empty when null. */
	FString ToString() const;
	/** "/Pkg/Path.Asset". */
	FString GetAssetPathString() const
	{
		return AssetPath.ToString();
	}
	FTopLevelAssetPath GetAssetPath() const
	{
		return AssetPath;
	}
	FName GetAssetFName() const
	{
		return AssetPath.GetAssetName();
	}
	FString GetAssetName() const
	{
		return AssetPath.GetAssetName().ToString();
	}
	FName GetLongPackageFName() const
	{
		return AssetPath.GetPackageName();
	}
	FString GetLongPackageName() const
	{
		return AssetPath.GetPackageName().ToString();
	}
	const FString& GetSubPathString() const
	{
		return SubPathString;
	}

	bool IsNull() const
	{
		return AssetPath.IsNull();
	}
	bool IsValid() const
	{
		return !AssetPath.IsNull();
	}
	bool IsAsset() const
	{
		return !AssetPath.GetAssetName().IsNone() && SubPathString.IsEmpty();
	}
	bool IsSubobject() const
	{
		return !SubPathString.IsEmpty();
	}

	/** The object if it is in memory. */
	UObject* ResolveObject() const;
	/** The object, loaded through the package loader when not in memory. */
	UObject* TryLoad(FUObjectSerializeContext* InLoadContext = nullptr) const;

	bool operator==(const FSoftObjectPath& Other) const
	{
		return AssetPath == Other.AssetPath && SubPathString.Equals(Other.SubPathString, ESearchCase::IgnoreCase);
	}
	bool operator!=(const FSoftObjectPath& Other) const
	{
		return !(*this == Other);
	}

	/** Text form as the engine exports it: the path, quoted when delimited. */
	bool ExportTextItem(FString& ValueStr, const FSoftObjectPath& DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const;
	bool ImportTextItem(const TCHAR*& Buffer, int32 PortFlags, UObject* Parent, FOutputDevice* ErrorText);

	friend uint32 GetTypeHash(const FSoftObjectPath& Path)
	{
		return HashCombine(GetTypeHash(Path.AssetPath), GetTypeHash(Path.SubPathString));
	}

	static FSoftObjectPath GetOrCreateIDForObject(const UObject* Object)
	{
		return FSoftObjectPath(Object);
	}

private:
	FTopLevelAssetPath AssetPath;
	FString SubPathString;
};

/** Same as FSoftObjectPath, limited to classes. */
struct COREUOBJECT_API FSoftClassPath : public FSoftObjectPath
{
	using FSoftObjectPath::FSoftObjectPath;
	FSoftClassPath() = default;

	UClass* ResolveClass() const;
	UClass* TryLoadClass() const;
};
