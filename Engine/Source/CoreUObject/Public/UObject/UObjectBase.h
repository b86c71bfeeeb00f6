// The low level of every object: class, name, outer, flags and the slot in the global object table
// that weak pointers index.

#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class UObject;
class UClass;
class UPackage;
class FObjectInitializer;

class COREUOBJECT_API UObjectBase
{
	friend class UObjectBaseUtility;
	friend class FObjectInitializer;
	friend class UClass;
	friend struct FUObjectHashAccess;
	friend void GetPrivateStaticClassBody(const TCHAR*, const TCHAR*, UClass*&, uint32, uint32, EClassFlags, EClassCastFlags, const TCHAR*, void (*)(const FObjectInitializer&), UClass* (*)());

protected:
	/** Normal construction: takes class, name, outer and flags from the object initializer in flight. */
	UObjectBase();

	/** Class objects of native classes, created before the class of classes exists. */
	explicit UObjectBase(EObjectFlags InFlags);

public:
	virtual ~UObjectBase();

	/** The object is in the object table under this pointer (does not read the object's memory). */
	bool IsValidLowLevel() const;
	bool IsValidLowLevelFast(bool bRecursive = true) const;

	uint32 GetUniqueID() const
	{
		return (uint32)InternalIndex;
	}

	UClass* GetClass() const
	{
		return ClassPrivate;
	}

	UObject* GetOuter() const
	{
		return OuterPrivate;
	}

	FName GetFName() const
	{
		return NamePrivate;
	}

	EObjectFlags GetFlags() const
	{
		return ObjectFlags;
	}

	/** Object table index, used by weak pointers. */
	int32 GetInternalIndex() const
	{
		return InternalIndex;
	}

protected:
	void SetFlagsTo(EObjectFlags NewFlags)
	{
		ObjectFlags = NewFlags;
	}

	/** Class objects of native classes join the tables once their class and package exist. */
	void RegisterNative(UClass* InClass, UObject* InOuter, FName InName);

private:
	EObjectFlags ObjectFlags;
	int32 InternalIndex;
	UClass* ClassPrivate;
	FName NamePrivate;
	UObject* OuterPrivate;
};

class COREUOBJECT_API UObjectBaseUtility : public UObjectBase
{
protected:
	using UObjectBase::UObjectBase;

public:
	void SetFlags(EObjectFlags NewFlags)
	{
		SetFlagsTo(GetFlags() | NewFlags);
	}

	void ClearFlags(EObjectFlags NewFlags)
	{
		SetFlagsTo(GetFlags() & ~NewFlags);
	}

	bool HasAnyFlags(EObjectFlags FlagsToCheck) const
	{
		return (GetFlags() & FlagsToCheck) != 0;
	}

	bool HasAllFlags(EObjectFlags FlagsToCheck) const
	{
		return (GetFlags() & FlagsToCheck) == FlagsToCheck;
	}

	EObjectFlags GetMaskedFlags(EObjectFlags Mask = RF_AllFlags) const
	{
		return GetFlags() & Mask;
	}

	/** Marks the object as garbage: weak pointers and IsValid() treat it as gone from now on,
	 *  and the next CollectGarbage destroys it. */
	void MarkAsGarbage();
	void ClearGarbage();
	bool IsGarbage() const;
	bool IsUnreachable() const;

	bool HasAnyInternalFlags(EInternalObjectFlags FlagsToCheck) const;
	void SetInternalFlags(EInternalObjectFlags FlagsToSet) const;
	void ClearInternalFlags(EInternalObjectFlags FlagsToClear) const;

	/** Rooted objects are never collected, even when marked as garbage. */
	void AddToRoot();
	void RemoveFromRoot();
	bool IsRooted() const;

	FString GetName() const
	{
		return GetFName().ToString();
	}

	void GetName(FString& ResultString) const
	{
		ResultString = GetName();
	}

	/** "/Package/Path.Object:Sub" as the engine forms it: '.' between outers, ':' after the first
	 *  non-package outer below a package. */
	FString GetPathName(const UObject* StopOuter = nullptr) const;
	void GetPathName(const UObject* StopOuter, FString& ResultString) const;

	/** "ClassName PathName". */
	FString GetFullName(const UObject* StopOuter = nullptr) const;

	FString GetFullGroupName(bool bStartWithOuter) const;

	UPackage* GetOutermost() const;
	UPackage* GetPackage() const;
	UObject* GetOutermostObject() const;

	bool IsA(const UClass* SomeBase) const;

	template<class T>
	bool IsA() const
	{
		return IsA(T::StaticClass());
	}

	/** The first outer of the given class. */
	UObject* GetTypedOuter(UClass* Target) const;

	template<typename T>
	T* GetTypedOuter() const
	{
		return (T*)GetTypedOuter(T::StaticClass());
	}

	bool IsIn(const UObject* SomeOuter) const;
	bool IsInPackage(const UPackage* SomePackage) const;

	/** Class default objects and archetypes. */
	bool IsTemplate(EObjectFlags TemplateTypes = (EObjectFlags)(RF_ArchetypeObject | RF_ClassDefaultObject)) const;

	/** Pointer to the native interface part of this object, or null. */
	void* GetInterfaceAddress(UClass* InterfaceClass);
	void* GetNativeInterfaceAddress(UClass* InterfaceClass);
	const void* GetNativeInterfaceAddress(UClass* InterfaceClass) const
	{
		return const_cast<UObjectBaseUtility*>(this)->GetNativeInterfaceAddress(InterfaceClass);
	}

	bool IsNative() const;
	bool IsPendingKill() const
	{
		return IsGarbage();
	}
};

/** True when the pointer is non-null and the object is not marked as garbage. */
COREUOBJECT_API bool IsValid(const UObject* Test);
