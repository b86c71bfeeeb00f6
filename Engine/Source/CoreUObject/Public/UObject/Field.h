// FField: the light-weight (non-object) base of properties, with its own small class system.

#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectMacros.h"

class UObject;
class UStruct;
class UClass;
class UField;
class FField;

/** Class of an FField type (FIntProperty::StaticClass()). */
class COREUOBJECT_API FFieldClass
{
public:
	FFieldClass(const TCHAR* InCPPName, FFieldClass* InSuperClass);

	FName GetFName() const
	{
		return Name;
	}

	FString GetName() const
	{
		return Name.ToString();
	}

	FFieldClass* GetSuperClass() const
	{
		return SuperClass;
	}

	bool IsChildOf(const FFieldClass* InClass) const
	{
		for (const FFieldClass* Class = this; Class; Class = Class->SuperClass)
		{
			if (Class == InClass)
			{
				return true;
			}
		}
		return false;
	}

private:
	FName Name;
	FFieldClass* SuperClass;
};

/** Declares StaticClass(), Super and ThisClass for an FField type. */
#define DECLARE_FIELD(TClass, TSuperClass, TStaticFlags) \
public: \
	typedef TSuperClass Super; \
	typedef TClass ThisClass; \
	static FFieldClass* StaticClass();

#define IMPLEMENT_FIELD(TClass) \
	FFieldClass* TClass::StaticClass() \
	{ \
		static FFieldClass StaticFieldClass(TEXT(#TClass) + 1, TClass::Super::StaticClass()); \
		return &StaticFieldClass; \
	}

/** The owner of a field: an object (struct, function) or another field (array inner). */
class COREUOBJECT_API FFieldVariant
{
public:
	FFieldVariant() = default;
	FFieldVariant(std::nullptr_t)
	{
	}
	FFieldVariant(const FField* InField)
		: Field(const_cast<FField*>(InField))
	{
	}
	FFieldVariant(const UObject* InObject)
		: Object(const_cast<UObject*>(InObject))
	{
	}
	template<typename T, typename = std::enable_if_t<std::is_convertible_v<T*, const UObject*> && !std::is_convertible_v<T*, const FField*>>>
	FFieldVariant(const T* InObject)
		: Object((UObject*)const_cast<T*>(InObject))
	{
	}

	bool IsUObject() const
	{
		return Object != nullptr;
	}

	bool IsValid() const
	{
		return Object != nullptr || Field != nullptr;
	}

	UObject* ToUObject() const
	{
		return Object;
	}

	FField* ToField() const
	{
		return Field;
	}

	template<typename T>
	T* Get() const;

private:
	UObject* Object = nullptr;
	FField* Field = nullptr;
};

class COREUOBJECT_API FField
{
public:
	typedef FField Super;
	typedef FField ThisClass;
	static FFieldClass* StaticClass();

	FField(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags);
	virtual ~FField();

	FField(const FField&) = delete;
	FField& operator=(const FField&) = delete;

	FFieldClass* GetClass() const
	{
		return ClassPrivate;
	}

	FName GetFName() const
	{
		return NamePrivate;
	}

	FString GetName() const
	{
		return NamePrivate.ToString();
	}

	FString GetAuthoredName() const
	{
		return GetName();
	}

	FFieldVariant GetOwnerVariant() const
	{
		return Owner;
	}

	/** The struct, class or function this field belongs to (walking up through outer fields). */
	UStruct* GetOwnerStruct() const;
	UClass* GetOwnerClass() const;
	UObject* GetOwnerUObject() const;

	template<typename T>
	T* GetOwner() const;

	FString GetPathName() const;
	FString GetFullName() const;

	bool IsA(const FFieldClass* FieldType) const
	{
		return ClassPrivate->IsChildOf(FieldType);
	}

	template<typename T>
	bool IsA() const
	{
		return IsA(T::StaticClass());
	}

#if WITH_EDITORONLY_DATA
	bool HasMetaData(const TCHAR* Key) const
	{
		return FindMetaData(Key) != nullptr;
	}
	bool HasMetaData(const FName& Key) const
	{
		return FindMetaData(Key) != nullptr;
	}
	const FString* FindMetaData(const TCHAR* Key) const;
	const FString* FindMetaData(const FName& Key) const;
	/** Empty when the key is absent. */
	const FString& GetMetaData(const TCHAR* Key) const;
	const FString& GetMetaData(const FName& Key) const;
	void SetMetaData(const TCHAR* Key, const TCHAR* InValue);
	void SetMetaData(const FName& Key, FString&& InValue);
	void RemoveMetaData(const TCHAR* Key);
	bool GetBoolMetaData(const TCHAR* Key) const;
	bool GetBoolMetaData(const FName& Key) const;
	int32 GetIntMetaData(const TCHAR* Key) const;
	float GetFloatMetaData(const TCHAR* Key) const;
	const TMap<FName, FString>* GetMetaDataMap() const
	{
		return &MetaDataMap;
	}
	FText GetDisplayNameText() const;
	FText GetToolTipText(bool bShortTooltip = false) const;
#endif

	/** Next field of the same owner, in declaration order. */
	FField* Next = nullptr;

protected:
	/** Set by the constructors of derived types (the last one wins). */
	FFieldClass* ClassPrivate;

private:
	FFieldVariant Owner;
	FName NamePrivate;
	EObjectFlags FlagsPrivate;
#if WITH_EDITORONLY_DATA
	TMap<FName, FString> MetaDataMap;
#endif
};

template<typename FieldType>
inline FieldType* CastField(FField* Src)
{
	return Src && Src->IsA<FieldType>() ? static_cast<FieldType*>(Src) : nullptr;
}

template<typename FieldType>
inline const FieldType* CastField(const FField* Src)
{
	return Src && Src->IsA<FieldType>() ? static_cast<const FieldType*>(Src) : nullptr;
}

template<typename FieldType>
inline FieldType* CastFieldChecked(FField* Src)
{
	checkf(Src && Src->IsA<FieldType>(), TEXT("CastFieldChecked failed"));
	return static_cast<FieldType*>(Src);
}

template<typename FieldType>
inline const FieldType* CastFieldChecked(const FField* Src)
{
	checkf(Src && Src->IsA<FieldType>(), TEXT("CastFieldChecked failed"));
	return static_cast<const FieldType*>(Src);
}
