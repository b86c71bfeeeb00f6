// Properties: the reflected members of structs, classes and function parameter blocks, with the
// engine's text form for export and import.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "UObject/Field.h"
#include "UObject/SoftObjectPath.h"
#include "UObject/SoftObjectPtr.h"
#include "UObject/WeakObjectPtr.h"

#include <new>
#include <type_traits>

class UEnum;
class FOutputDevice;

/** Base of all properties. Values live at Offset inside a container (object, struct or parameter block). */
class COREUOBJECT_API FProperty : public FField
{
	DECLARE_FIELD(FProperty, FField, 0)

public:
	FProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, int32 InElementSize);

	int32 ArrayDim = 1;
	int32 ElementSize = 0;
	EPropertyFlags PropertyFlags = CPF_None;
	/** Next property in the owner's chain of properties (same as Next, typed). */
	FProperty* PropertyLinkNext = nullptr;

	int32 GetOffset_ForInternal() const
	{
		return Offset_Internal;
	}

	int32 GetOffset_ForUFunction() const
	{
		return Offset_Internal;
	}

	int32 GetOffset_ForDebug() const
	{
		return Offset_Internal;
	}

	int32 GetSize() const
	{
		return ArrayDim * ElementSize;
	}

	int32 GetElementSize() const
	{
		return ElementSize;
	}

	int32 GetMinAlignment() const
	{
		return MinAlignment;
	}

	EPropertyFlags GetPropertyFlags() const
	{
		return PropertyFlags;
	}

	void SetPropertyFlags(EPropertyFlags NewFlags)
	{
		PropertyFlags |= NewFlags;
	}

	void ClearPropertyFlags(EPropertyFlags NewFlags)
	{
		PropertyFlags &= ~NewFlags;
	}

	bool HasAnyPropertyFlags(uint64 FlagsToCheck) const
	{
		return (PropertyFlags & FlagsToCheck) != 0;
	}

	bool HasAllPropertyFlags(uint64 FlagsToCheck) const
	{
		return (PropertyFlags & FlagsToCheck) == FlagsToCheck;
	}

	template<typename ValueType = void>
	ValueType* ContainerPtrToValuePtr(void* ContainerPtr, int32 ArrayIndex = 0) const
	{
		check(ContainerPtr != nullptr);
		return (ValueType*)((uint8*)ContainerPtr + Offset_Internal + ElementSize * ArrayIndex);
	}

	template<typename ValueType = void>
	const ValueType* ContainerPtrToValuePtr(const void* ContainerPtr, int32 ArrayIndex = 0) const
	{
		check(ContainerPtr != nullptr);
		return (const ValueType*)((const uint8*)ContainerPtr + Offset_Internal + ElementSize * ArrayIndex);
	}

	/** C++ type as declared ("int32", "TArray<FString>", "UObject*"). */
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const = 0;

	/** Appends the value's text form. PPF_Delimited quotes strings and names (used inside
	 *  structs and containers). A DefaultValue equal to the value changes nothing here. */
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const = 0;
	void ExportText_Direct(FString& ValueStr, const void* Data, const void* Delta, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const
	{
		ExportTextItem_Direct(ValueStr, Data, Delta, Parent, PortFlags, ExportRootScope);
	}
	void ExportTextItem_InContainer(FString& ValueStr, const void* Container, const void* DefaultContainer, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const
	{
		ExportTextItem_Direct(ValueStr, ContainerPtrToValuePtr<void>(Container), DefaultContainer ? ContainerPtrToValuePtr<void>(DefaultContainer) : nullptr, Parent, PortFlags, ExportRootScope);
	}
	bool ExportText_InContainer(int32 Index, FString& ValueStr, const void* Data, const void* Delta, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const
	{
		ExportTextItem_Direct(ValueStr, ContainerPtrToValuePtr<void>(Data, Index), Delta ? ContainerPtrToValuePtr<void>(Delta, Index) : nullptr, Parent, PortFlags, ExportRootScope);
		return true;
	}

	/** Reads a value in text form. Returns the position after it, or null when the text is not a
	 *  value of this type (a message goes to ErrorText when given). */
	const TCHAR* ImportText_Direct(const TCHAR* Buffer, void* PropertyPtr, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const;
	const TCHAR* ImportText_InContainer(const TCHAR* Buffer, void* Container, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText = nullptr) const
	{
		return ImportText_Direct(Buffer, ContainerPtrToValuePtr<void>(Container), OwnerObject, PortFlags, ErrorText);
	}

	/** Value lifetime on raw memory (parameter blocks, containers). */
	virtual void InitializeValue(void* Dest) const = 0;
	virtual void DestroyValue(void* Dest) const = 0;
	virtual void CopySingleValue(void* Dest, const void* Src) const = 0;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const = 0;

	void InitializeValue_InContainer(void* Container) const
	{
		for (int32 Index = 0; Index < ArrayDim; ++Index)
		{
			InitializeValue(ContainerPtrToValuePtr<void>(Container, Index));
		}
	}
	void DestroyValue_InContainer(void* Container) const
	{
		for (int32 Index = 0; Index < ArrayDim; ++Index)
		{
			DestroyValue(ContainerPtrToValuePtr<void>(Container, Index));
		}
	}
	void CopyCompleteValue(void* Dest, const void* Src) const
	{
		for (int32 Index = 0; Index < ArrayDim; ++Index)
		{
			CopySingleValue((uint8*)Dest + Index * ElementSize, (const uint8*)Src + Index * ElementSize);
		}
	}
	void CopyCompleteValue_InContainer(void* Dest, const void* Src) const
	{
		CopyCompleteValue(ContainerPtrToValuePtr<void>(Dest), ContainerPtrToValuePtr<void>(Src));
	}
	void CopySingleValueToScriptVM(void* Dest, const void* Src) const
	{
		CopySingleValue(Dest, Src);
	}
	bool Identical_InContainer(const void* A, const void* B, int32 ArrayIndex = 0, uint32 PortFlags = 0) const
	{
		return Identical(ContainerPtrToValuePtr<void>(A, ArrayIndex), B ? ContainerPtrToValuePtr<void>(B, ArrayIndex) : nullptr, PortFlags);
	}
	void ClearValue(void* Data) const
	{
		DestroyValue(Data);
		InitializeValue(Data);
	}

	bool SameType(const FProperty* Other) const;

	/** Whether this property takes part in a text copy with these flags. */
	bool ShouldPort(uint32 PortFlags = 0) const;

	void SetOffset_Internal(int32 NewOffset)
	{
		Offset_Internal = NewOffset;
	}

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const = 0;

	int32 MinAlignment = 1;

private:
	int32 Offset_Internal = 0;
};

/** Property whose value is a C++ type with ordinary construction, copy and comparison. */
template<typename InTCppType, class TInPropertyBaseClass>
class TProperty : public TInPropertyBaseClass
{
public:
	typedef InTCppType TCppType;

	TProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags)
		: TInPropertyBaseClass(InOwner, InName, InObjectFlags, InOffset, InFlags, (int32)sizeof(TCppType))
	{
		this->MinAlignment = alignof(TCppType);
	}

	static const TCppType& GetPropertyValue(const void* A)
	{
		return *(const TCppType*)A;
	}
	static TCppType GetDefaultPropertyValue()
	{
		return TCppType();
	}
	static TCppType* GetPropertyValuePtr(void* A)
	{
		return (TCppType*)A;
	}
	static const TCppType* GetPropertyValuePtr(const void* A)
	{
		return (const TCppType*)A;
	}
	static void SetPropertyValue(void* A, const TCppType& Value)
	{
		*(TCppType*)A = Value;
	}
	TCppType GetPropertyValue_InContainer(const void* A, int32 ArrayIndex = 0) const
	{
		return GetPropertyValue(this->template ContainerPtrToValuePtr<void>(A, ArrayIndex));
	}
	void SetPropertyValue_InContainer(void* A, const TCppType& Value, int32 ArrayIndex = 0) const
	{
		SetPropertyValue(this->template ContainerPtrToValuePtr<void>(A, ArrayIndex), Value);
	}
	TCppType* GetPropertyValuePtr_InContainer(void* A, int32 ArrayIndex = 0) const
	{
		return GetPropertyValuePtr(this->template ContainerPtrToValuePtr<void>(A, ArrayIndex));
	}

	virtual void InitializeValue(void* Dest) const override
	{
		new (Dest) TCppType();
	}
	virtual void DestroyValue(void* Dest) const override
	{
		((TCppType*)Dest)->~TCppType();
	}
	virtual void CopySingleValue(void* Dest, const void* Src) const override
	{
		*(TCppType*)Dest = *(const TCppType*)Src;
	}
};

class COREUOBJECT_API FNumericProperty : public FProperty
{
	DECLARE_FIELD(FNumericProperty, FProperty, 0)

public:
	using FProperty::FProperty;

	virtual bool IsFloatingPoint() const
	{
		return false;
	}
	virtual bool IsInteger() const
	{
		return true;
	}
	virtual bool IsEnum() const
	{
		return GetIntPropertyEnum() != nullptr;
	}
	virtual UEnum* GetIntPropertyEnum() const
	{
		return nullptr;
	}
	virtual void SetIntPropertyValue(void* Data, uint64 Value) const = 0;
	virtual void SetIntPropertyValue(void* Data, int64 Value) const = 0;
	virtual void SetFloatingPointPropertyValue(void* Data, double Value) const = 0;
	virtual int64 GetSignedIntPropertyValue(void const* Data) const = 0;
	virtual uint64 GetUnsignedIntPropertyValue(void const* Data) const = 0;
	virtual double GetFloatingPointPropertyValue(void const* Data) const = 0;
	virtual FString GetNumericPropertyValueToString(void const* Data) const = 0;
};

/** Numeric property of a C++ arithmetic type. Text form: decimal; floats as FString::SanitizeFloat. */
template<typename InTCppType>
class TProperty_Numeric : public TProperty<InTCppType, FNumericProperty>
{
	typedef TProperty<InTCppType, FNumericProperty> Super;

public:
	typedef InTCppType TCppType;
	using Super::Super;

	virtual bool IsFloatingPoint() const override
	{
		return std::is_floating_point_v<TCppType>;
	}
	virtual bool IsInteger() const override
	{
		return std::is_integral_v<TCppType>;
	}
	virtual void SetIntPropertyValue(void* Data, uint64 Value) const override
	{
		*(TCppType*)Data = (TCppType)Value;
	}
	virtual void SetIntPropertyValue(void* Data, int64 Value) const override
	{
		*(TCppType*)Data = (TCppType)Value;
	}
	virtual void SetFloatingPointPropertyValue(void* Data, double Value) const override
	{
		*(TCppType*)Data = (TCppType)Value;
	}
	virtual int64 GetSignedIntPropertyValue(void const* Data) const override
	{
		return (int64) * (const TCppType*)Data;
	}
	virtual uint64 GetUnsignedIntPropertyValue(void const* Data) const override
	{
		return (uint64) * (const TCppType*)Data;
	}
	virtual double GetFloatingPointPropertyValue(void const* Data) const override
	{
		return (double)*(const TCppType*)Data;
	}
	virtual FString GetNumericPropertyValueToString(void const* Data) const override
	{
		FString Result;
		ExportTextItem_Direct(Result, Data, nullptr, nullptr, PPF_None);
		return Result;
	}
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override
	{
		return *(const TCppType*)A == (B ? *(const TCppType*)B : TCppType());
	}
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
};

#define UE_DECLARE_NUMERIC_PROPERTY(TClass, TCppType, CppName) \
	class COREUOBJECT_API TClass : public TProperty_Numeric<TCppType> \
	{ \
		DECLARE_FIELD(TClass, FNumericProperty, 0) \
	public: \
		TClass(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags) \
			: TProperty_Numeric<TCppType>(InOwner, InName, InObjectFlags, InOffset, InFlags) \
		{ \
			ClassPrivate = StaticClass(); \
		} \
		virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override \
		{ \
			return FString(TEXT(CppName)); \
		} \
	};

UE_DECLARE_NUMERIC_PROPERTY(FInt8Property, int8, "int8")
UE_DECLARE_NUMERIC_PROPERTY(FInt16Property, int16, "int16")
UE_DECLARE_NUMERIC_PROPERTY(FIntProperty, int32, "int32")
UE_DECLARE_NUMERIC_PROPERTY(FInt64Property, int64, "int64")
UE_DECLARE_NUMERIC_PROPERTY(FUInt16Property, uint16, "uint16")
UE_DECLARE_NUMERIC_PROPERTY(FUInt32Property, uint32, "uint32")
UE_DECLARE_NUMERIC_PROPERTY(FUInt64Property, uint64, "uint64")
UE_DECLARE_NUMERIC_PROPERTY(FFloatProperty, float, "float")
UE_DECLARE_NUMERIC_PROPERTY(FDoubleProperty, double, "double")

/** uint8, or an enum stored as a byte (TEnumAsByte, old-style enums): then text is the enumerator name. */
class COREUOBJECT_API FByteProperty : public TProperty_Numeric<uint8>
{
	DECLARE_FIELD(FByteProperty, FNumericProperty, 0)

public:
	FByteProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UEnum* InEnum = nullptr);

	UEnum* Enum = nullptr;

	virtual UEnum* GetIntPropertyEnum() const override
	{
		return Enum;
	}
	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
};

/** bool or a bitfield member (uint8 bFlag : 1). Text form: True / False. */
class COREUOBJECT_API FBoolProperty : public FProperty
{
	DECLARE_FIELD(FBoolProperty, FProperty, 0)

public:
	/** Native bool: InSize sizeof(bool), mask 0xFF. Bitfield: the byte offset within the field
	 *  and the bit, found by the generated SetBit function on zeroed memory. */
	FBoolProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, uint32 InBitMask, uint32 InElementSize, bool bIsNativeBool);

	/** Finds offset and mask of a bitfield from a setter on a zeroed container of ContainerSize bytes. */
	static void FindBitfield(void (*SetBit)(void* Container), int32 ContainerSize, int32& OutByteOffset, uint8& OutByteMask);

	void SetBoolSize(uint32 InSize, bool bIsNativeBool = false, uint32 InBitMask = 0);

	bool IsNativeBool() const
	{
		return FieldMask == 0xff;
	}

	bool GetPropertyValue(void const* A) const
	{
		return (((const uint8*)A)[ByteOffset] & FieldMask) != 0;
	}

	void SetPropertyValue(void* A, bool Value) const
	{
		uint8* ByteValue = (uint8*)A + ByteOffset;
		*ByteValue = ((*ByteValue) & ~FieldMask) | (Value ? ByteMask : 0);
	}

	bool GetPropertyValue_InContainer(void const* A, int32 ArrayIndex = 0) const
	{
		return GetPropertyValue(ContainerPtrToValuePtr<void>(A, ArrayIndex));
	}

	void SetPropertyValue_InContainer(void* A, bool Value, int32 ArrayIndex = 0) const
	{
		SetPropertyValue(ContainerPtrToValuePtr<void>(A, ArrayIndex), Value);
	}

	uint8 GetByteOffset() const
	{
		return ByteOffset;
	}
	uint8 GetByteMask() const
	{
		return ByteMask;
	}
	uint8 GetFieldMask() const
	{
		return FieldMask;
	}

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual void InitializeValue(void* Dest) const override;
	virtual void DestroyValue(void* Dest) const override
	{
	}
	virtual void CopySingleValue(void* Dest, const void* Src) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;

private:
	uint8 FieldSize = 1;
	uint8 ByteOffset = 0;
	uint8 ByteMask = 1;
	uint8 FieldMask = 1;
};

/** FString. Text form: as is; quoted and escaped when delimited. */
class COREUOBJECT_API FStrProperty : public TProperty<FString, FProperty>
{
	DECLARE_FIELD(FStrProperty, FProperty, 0)

public:
	FStrProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags);

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override
	{
		return FString(TEXT("FString"));
	}
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
};

/** FName. Text form: bare; quoted when delimited (None then exports as nothing). */
class COREUOBJECT_API FNameProperty : public TProperty<FName, FProperty>
{
	DECLARE_FIELD(FNameProperty, FProperty, 0)

public:
	FNameProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags);

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override
	{
		return FString(TEXT("FName"));
	}
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
};

/** FText. Text form: the display string (quoted when delimited); imports NSLOCTEXT/LOCTEXT/INVTEXT too. */
class COREUOBJECT_API FTextProperty : public TProperty<FText, FProperty>
{
	DECLARE_FIELD(FTextProperty, FProperty, 0)

public:
	FTextProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags);

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override
	{
		return FString(TEXT("FText"));
	}
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
};

/** Base of object references. Text form: the object's path name, or None. */
class COREUOBJECT_API FObjectPropertyBase : public FProperty
{
	DECLARE_FIELD(FObjectPropertyBase, FProperty, 0)

public:
	FObjectPropertyBase(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, int32 InElementSize, UClass* InClass);

	UClass* PropertyClass = nullptr;

	void SetPropertyClass(UClass* NewPropertyClass)
	{
		PropertyClass = NewPropertyClass;
	}

	virtual UObject* GetObjectPropertyValue(const void* PropertyValueAddress) const = 0;
	virtual void SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const = 0;
	UObject* GetObjectPropertyValue_InContainer(const void* ContainerAddress, int32 ArrayIndex = 0) const
	{
		return GetObjectPropertyValue(ContainerPtrToValuePtr<void>(ContainerAddress, ArrayIndex));
	}
	void SetObjectPropertyValue_InContainer(void* ContainerAddress, UObject* Value, int32 ArrayIndex = 0) const
	{
		SetObjectPropertyValue(ContainerPtrToValuePtr<void>(ContainerAddress, ArrayIndex), Value);
	}

	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

	/** The object a path text names: found in memory, else loaded; must be of the given class. */
	static UObject* FindImportedObject(const FProperty* Property, UObject* OwnerObject, UClass* ObjectClass, UClass* RequiredMetaClass, const TCHAR* Text, uint32 InPortFlags = 0);

	/** "None" for null, else the path name. */
	static FString GetExportPath(const UObject* Object);

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
	/** Class a referenced object must be (or derive from) for this property to accept it. */
	virtual bool AllowObject(UObject* Object, FOutputDevice* ErrorText) const;
};

/** UObject* / TObjectPtr<T> member. */
class COREUOBJECT_API FObjectProperty : public FObjectPropertyBase
{
	DECLARE_FIELD(FObjectProperty, FObjectPropertyBase, 0)

public:
	FObjectProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UClass* InClass);

	typedef UObject* TCppType;

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual UObject* GetObjectPropertyValue(const void* PropertyValueAddress) const override
	{
		return *(UObject* const*)PropertyValueAddress;
	}
	virtual void SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const override
	{
		*(UObject**)PropertyValueAddress = Value;
	}
	virtual void InitializeValue(void* Dest) const override
	{
		*(UObject**)Dest = nullptr;
	}
	virtual void DestroyValue(void* Dest) const override
	{
	}
	virtual void CopySingleValue(void* Dest, const void* Src) const override
	{
		*(UObject**)Dest = *(UObject* const*)Src;
	}
	UObject* GetPropertyValue(const void* A) const
	{
		return *(UObject* const*)A;
	}
	void SetPropertyValue(void* A, UObject* Value) const
	{
		*(UObject**)A = Value;
	}
	UObject* GetPropertyValue_InContainer(const void* A, int32 ArrayIndex = 0) const
	{
		return GetObjectPropertyValue_InContainer(A, ArrayIndex);
	}
	void SetPropertyValue_InContainer(void* A, UObject* Value, int32 ArrayIndex = 0) const
	{
		SetObjectPropertyValue_InContainer(A, Value, ArrayIndex);
	}
};

/** UClass* / TSubclassOf<T>: a class reference whose classes derive from MetaClass. */
class COREUOBJECT_API FClassProperty : public FObjectProperty
{
	DECLARE_FIELD(FClassProperty, FObjectProperty, 0)

public:
	FClassProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UClass* InMetaClass);

	UClass* MetaClass = nullptr;

	void SetMetaClass(UClass* NewMetaClass)
	{
		MetaClass = NewMetaClass;
	}

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;

protected:
	virtual bool AllowObject(UObject* Object, FOutputDevice* ErrorText) const override;
};

/** TWeakObjectPtr<T> member. */
class COREUOBJECT_API FWeakObjectProperty : public FObjectPropertyBase
{
	DECLARE_FIELD(FWeakObjectProperty, FObjectPropertyBase, 0)

public:
	FWeakObjectProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UClass* InClass);

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual UObject* GetObjectPropertyValue(const void* PropertyValueAddress) const override
	{
		return ((const FWeakObjectPtr*)PropertyValueAddress)->Get();
	}
	virtual void SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const override
	{
		*(FWeakObjectPtr*)PropertyValueAddress = Value;
	}
	virtual void InitializeValue(void* Dest) const override
	{
		new (Dest) FWeakObjectPtr();
	}
	virtual void DestroyValue(void* Dest) const override
	{
	}
	virtual void CopySingleValue(void* Dest, const void* Src) const override
	{
		*(FWeakObjectPtr*)Dest = *(const FWeakObjectPtr*)Src;
	}
};

/** TSoftObjectPtr<T> / FSoftObjectPtr member. Text form: the path ("/Game/A.A"), quoted when delimited. */
class COREUOBJECT_API FSoftObjectProperty : public FObjectPropertyBase
{
	DECLARE_FIELD(FSoftObjectProperty, FObjectPropertyBase, 0)

public:
	FSoftObjectProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UClass* InClass);

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual UObject* GetObjectPropertyValue(const void* PropertyValueAddress) const override
	{
		return ((const FSoftObjectPtr*)PropertyValueAddress)->Get();
	}
	virtual void SetObjectPropertyValue(void* PropertyValueAddress, UObject* Value) const override
	{
		*(FSoftObjectPtr*)PropertyValueAddress = Value;
	}
	virtual void InitializeValue(void* Dest) const override
	{
		new (Dest) FSoftObjectPtr();
	}
	virtual void DestroyValue(void* Dest) const override
	{
		((FSoftObjectPtr*)Dest)->~FSoftObjectPtr();
	}
	virtual void CopySingleValue(void* Dest, const void* Src) const override
	{
		*(FSoftObjectPtr*)Dest = *(const FSoftObjectPtr*)Src;
	}
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
};

/** TSoftClassPtr<T> member. */
class COREUOBJECT_API FSoftClassProperty : public FSoftObjectProperty
{
	DECLARE_FIELD(FSoftClassProperty, FSoftObjectProperty, 0)

public:
	FSoftClassProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UClass* InMetaClass);

	UClass* MetaClass = nullptr;

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
};

/** TScriptInterface<IFoo> member. */
class COREUOBJECT_API FInterfaceProperty : public FProperty
{
	DECLARE_FIELD(FInterfaceProperty, FProperty, 0)

public:
	FInterfaceProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UClass* InInterfaceClass);

	UClass* InterfaceClass = nullptr;

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual void InitializeValue(void* Dest) const override;
	virtual void DestroyValue(void* Dest) const override
	{
	}
	virtual void CopySingleValue(void* Dest, const void* Src) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
};

/** A struct member. Text form: "(Field=Value,...)" through the struct. */
class COREUOBJECT_API FStructProperty : public FProperty
{
	DECLARE_FIELD(FStructProperty, FProperty, 0)

public:
	FStructProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UScriptStruct* InStruct);

	UScriptStruct* Struct = nullptr;

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual void InitializeValue(void* Dest) const override;
	virtual void DestroyValue(void* Dest) const override;
	virtual void CopySingleValue(void* Dest, const void* Src) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
};

/** enum class member with an underlying integer property. Text form: the enumerator's short name. */
class COREUOBJECT_API FEnumProperty : public FProperty
{
	DECLARE_FIELD(FEnumProperty, FProperty, 0)

public:
	FEnumProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UEnum* InEnum);
	virtual ~FEnumProperty() override;

	/** Sets the underlying property (owned by this property). */
	void AddCppProperty(FProperty* Inner);

	FNumericProperty* GetUnderlyingProperty() const
	{
		return UnderlyingProp;
	}

	UEnum* GetEnum() const
	{
		return Enum;
	}

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual void InitializeValue(void* Dest) const override;
	virtual void DestroyValue(void* Dest) const override
	{
	}
	virtual void CopySingleValue(void* Dest, const void* Src) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;

private:
	FNumericProperty* UnderlyingProp = nullptr;
	UEnum* Enum = nullptr;
};

/** Container operations of one C++ container type, so properties work on any TArray/TMap layout. */
struct FScriptArrayOps
{
	int32 Size;
	int32 Alignment;
	void (*Construct)(void* Dest);
	void (*Destruct)(void* Dest);
	void (*Copy)(void* Dest, const void* Src);
	int32 (*Num)(const void* Array);
	void* (*GetElement)(void* Array, int32 Index);
	/** Resizes; new elements are value-initialised. */
	void (*SetNum)(void* Array, int32 NewNum);
	void (*RemoveAt)(void* Array, int32 Index);
};

struct FScriptMapOps
{
	int32 Size;
	int32 Alignment;
	void (*Construct)(void* Dest);
	void (*Destruct)(void* Dest);
	void (*Copy)(void* Dest, const void* Src);
	int32 (*Num)(const void* Map);
	void (*Empty)(void* Map);
	/** Calls Visitor(Context, Key, Value) for every pair in iteration order. */
	void (*ForEachPair)(const void* Map, void (*Visitor)(void* Context, const void* Key, const void* Value), void* Context);
	/** Value of the key, added (value-initialised) when absent. */
	void* (*FindOrAdd)(void* Map, const void* Key);
	const void* (*Find)(const void* Map, const void* Key);
};

namespace UE::CoreUObject::Private
{
	template<typename ArrayType>
	struct TArrayOps
	{
		typedef typename ArrayType::ElementType ElementType;

		static const FScriptArrayOps* Get()
		{
			static const FScriptArrayOps Ops = {
				(int32)sizeof(ArrayType),
				(int32)alignof(ArrayType),
				[](void* Dest) { new (Dest) ArrayType(); },
				[](void* Dest) { ((ArrayType*)Dest)->~ArrayType(); },
				[](void* Dest, const void* Src) { *(ArrayType*)Dest = *(const ArrayType*)Src; },
				[](const void* Array) { return (int32)((const ArrayType*)Array)->Num(); },
				[](void* Array, int32 Index) { return (void*)&(*(ArrayType*)Array)[Index]; },
				[](void* Array, int32 NewNum) { ((ArrayType*)Array)->SetNum(NewNum); },
				[](void* Array, int32 Index) { ((ArrayType*)Array)->RemoveAt(Index); },
			};
			return &Ops;
		}
	};

	template<typename MapType>
	struct TMapOps
	{
		typedef typename MapType::KeyType KeyType;
		typedef typename MapType::ValueType ValueType;

		static const FScriptMapOps* Get()
		{
			static const FScriptMapOps Ops = {
				(int32)sizeof(MapType),
				(int32)alignof(MapType),
				[](void* Dest) { new (Dest) MapType(); },
				[](void* Dest) { ((MapType*)Dest)->~MapType(); },
				[](void* Dest, const void* Src) { *(MapType*)Dest = *(const MapType*)Src; },
				[](const void* Map) { return (int32)((const MapType*)Map)->Num(); },
				[](void* Map) { ((MapType*)Map)->Empty(); },
				[](const void* Map, void (*Visitor)(void*, const void*, const void*), void* Context) {
					for (const auto& Pair : *(const MapType*)Map)
					{
						Visitor(Context, &Pair.Key, &Pair.Value);
					}
				},
				[](void* Map, const void* Key) { return (void*)&((MapType*)Map)->FindOrAdd(*(const KeyType*)Key); },
				[](const void* Map, const void* Key) { return (const void*)((const MapType*)Map)->Find(*(const KeyType*)Key); },
			};
			return &Ops;
		}
	};
}

/** TArray member. Text form: "(a,b)", elements delimited. */
class COREUOBJECT_API FArrayProperty : public FProperty
{
	DECLARE_FIELD(FArrayProperty, FProperty, 0)

public:
	FArrayProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, const FScriptArrayOps* InOps);
	virtual ~FArrayProperty() override;

	/** Sets the element property (owned by this property). */
	void AddCppProperty(FProperty* InInner);

	FProperty* Inner = nullptr;
	const FScriptArrayOps* ArrayOps = nullptr;

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual void InitializeValue(void* Dest) const override
	{
		ArrayOps->Construct(Dest);
	}
	virtual void DestroyValue(void* Dest) const override
	{
		ArrayOps->Destruct(Dest);
	}
	virtual void CopySingleValue(void* Dest, const void* Src) const override
	{
		ArrayOps->Copy(Dest, Src);
	}
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
};

/** Generic access to a TArray value through its property. */
class FScriptArrayHelper
{
public:
	FScriptArrayHelper(const FArrayProperty* InProperty, const void* InArray)
		: Property(InProperty)
		, Array((void*)InArray)
	{
	}

	int32 Num() const
	{
		return Property->ArrayOps->Num(Array);
	}

	bool IsValidIndex(int32 Index) const
	{
		return Index >= 0 && Index < Num();
	}

	uint8* GetRawPtr(int32 Index = 0)
	{
		return Num() == 0 ? nullptr : (uint8*)Property->ArrayOps->GetElement(Array, Index);
	}

	void Resize(int32 NewNum)
	{
		Property->ArrayOps->SetNum(Array, NewNum);
	}

	int32 AddValue()
	{
		const int32 Index = Num();
		Resize(Index + 1);
		return Index;
	}

	int32 AddValues(int32 Count)
	{
		const int32 Index = Num();
		Resize(Index + Count);
		return Index;
	}

	void EmptyValues()
	{
		Resize(0);
	}

	void RemoveValues(int32 Index, int32 Count = 1)
	{
		for (int32 Removed = 0; Removed < Count; ++Removed)
		{
			Property->ArrayOps->RemoveAt(Array, Index);
		}
	}

private:
	const FArrayProperty* Property;
	void* Array;
};

/** TMap member. Text form: "((Key,Value),(Key,Value))". */
class COREUOBJECT_API FMapProperty : public FProperty
{
	DECLARE_FIELD(FMapProperty, FProperty, 0)

public:
	FMapProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, const FScriptMapOps* InOps);
	virtual ~FMapProperty() override;

	/** Key first, then value (both owned by this property). */
	void AddCppProperty(FProperty* Property);

	FProperty* KeyProp = nullptr;
	FProperty* ValueProp = nullptr;
	const FScriptMapOps* MapOps = nullptr;

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual void InitializeValue(void* Dest) const override
	{
		MapOps->Construct(Dest);
	}
	virtual void DestroyValue(void* Dest) const override
	{
		MapOps->Destruct(Dest);
	}
	virtual void CopySingleValue(void* Dest, const void* Src) const override
	{
		MapOps->Copy(Dest, Src);
	}
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
};

/** Dynamic single-cast delegate member. Text form: "Object.Function" or None. */
class COREUOBJECT_API FDelegateProperty : public TProperty<FScriptDelegate, FProperty>
{
	DECLARE_FIELD(FDelegateProperty, FProperty, 0)

public:
	FDelegateProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UFunction* InSignatureFunction);

	UFunction* SignatureFunction = nullptr;

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
};

/** Dynamic multicast delegate member. Text form: "(Object.Function,...)". */
class COREUOBJECT_API FMulticastDelegateProperty : public TProperty<FMulticastScriptDelegate, FProperty>
{
	DECLARE_FIELD(FMulticastDelegateProperty, FProperty, 0)

public:
	FMulticastDelegateProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UFunction* InSignatureFunction);

	UFunction* SignatureFunction = nullptr;

	const FMulticastScriptDelegate* GetMulticastDelegate(const void* PropertyValue) const
	{
		return (const FMulticastScriptDelegate*)PropertyValue;
	}
	void AddDelegate(FScriptDelegate ScriptDelegate, UObject* Parent = nullptr, void* PropertyValue = nullptr) const;
	void RemoveDelegate(const FScriptDelegate& ScriptDelegate, UObject* Parent = nullptr, void* PropertyValue = nullptr) const;
	void ClearDelegate(UObject* Parent = nullptr, void* PropertyValue = nullptr) const;

	virtual FString GetCPPType(FString* ExtendedTypeText = nullptr, uint32 CPPExportFlags = 0) const override;
	virtual void ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope = nullptr) const override;
	virtual bool Identical(const void* A, const void* B, uint32 PortFlags = 0) const override;

protected:
	virtual const TCHAR* ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const override;
};

/** The engine's name for multicast delegates stored inline in the object. */
class COREUOBJECT_API FMulticastInlineDelegateProperty : public FMulticastDelegateProperty
{
	DECLARE_FIELD(FMulticastInlineDelegateProperty, FMulticastDelegateProperty, 0)

public:
	FMulticastInlineDelegateProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UFunction* InSignatureFunction);
};

/** Iterates the properties (FField types) or object fields (UField types) of a struct, own fields
 *  first, then the parent's. */
template<class T>
class TFieldIterator
{
public:
	TFieldIterator(const UStruct* InStruct, EFieldIteratorFlags::SuperClassFlags InSuperClassFlags = EFieldIteratorFlags::IncludeSuper, EFieldIteratorFlags::DeprecatedPropertyFlags InDeprecatedFieldFlags = EFieldIteratorFlags::IncludeDeprecated, EFieldIteratorFlags::InterfaceClassFlags InInterfaceFieldFlags = EFieldIteratorFlags::ExcludeInterfaces)
		: Struct(InStruct)
		, bIncludeSuper(InSuperClassFlags == EFieldIteratorFlags::IncludeSuper)
		, bIncludeDeprecated(InDeprecatedFieldFlags == EFieldIteratorFlags::IncludeDeprecated)
	{
		Field = Struct ? FirstOf(Struct) : nullptr;
		Advance();
	}

	explicit operator bool() const
	{
		return Field != nullptr;
	}

	bool operator!() const
	{
		return Field == nullptr;
	}

	void operator++()
	{
		Field = NextOf(Field);
		Advance();
	}

	T* operator*() const
	{
		return (T*)Field;
	}

	T* operator->() const
	{
		return (T*)Field;
	}

	const UStruct* GetStruct() const
	{
		return Struct;
	}

private:
	static constexpr bool bIsProperty = std::is_base_of_v<FField, T>;
	typedef std::conditional_t<bIsProperty, FField, UField> FBaseFieldType;

	static FBaseFieldType* FirstOf(const UStruct* InStruct)
	{
		if constexpr (bIsProperty)
		{
			return InStruct->ChildProperties;
		}
		else
		{
			return InStruct->Children;
		}
	}

	static FBaseFieldType* NextOf(FBaseFieldType* InField)
	{
		return InField->Next;
	}

	static bool Matches(FBaseFieldType* InField)
	{
		if constexpr (bIsProperty)
		{
			return InField->IsA(T::StaticClass());
		}
		else
		{
			return InField->IsA(T::StaticClass());
		}
	}

	void Advance()
	{
		for (;;)
		{
			while (Field)
			{
				if (Matches(Field))
				{
					if constexpr (bIsProperty)
					{
						if (bIncludeDeprecated || !((FProperty*)Field)->HasAnyPropertyFlags(CPF_Deprecated))
						{
							return;
						}
					}
					else
					{
						return;
					}
				}
				Field = NextOf(Field);
			}
			if (!bIncludeSuper || !Struct)
			{
				return;
			}
			Struct = Struct->GetSuperStruct();
			if (!Struct)
			{
				return;
			}
			Field = FirstOf(Struct);
		}
	}

	const UStruct* Struct;
	FBaseFieldType* Field = nullptr;
	bool bIncludeSuper;
	bool bIncludeDeprecated;
};

template<typename T>
struct TFieldRange
{
	TFieldRange(const UStruct* InStruct, EFieldIteratorFlags::SuperClassFlags InSuperClassFlags = EFieldIteratorFlags::IncludeSuper)
		: Begin(InStruct, InSuperClassFlags)
	{
	}

	friend TFieldIterator<T> begin(const TFieldRange& Range)
	{
		return Range.Begin;
	}
	friend TFieldIterator<T> end(const TFieldRange& Range)
	{
		return TFieldIterator<T>(nullptr);
	}

	TFieldIterator<T> Begin;
};

template<class T>
inline bool operator!=(const TFieldIterator<T>& Lhs, const TFieldIterator<T>& Rhs)
{
	return *Lhs != *Rhs;
}

/** A property of the struct (or its parents) by name and type; null when absent or of another type. */
template<typename T>
T* FindFProperty(const UStruct* Owner, FName FieldName)
{
	for (TFieldIterator<FProperty> It(Owner); It; ++It)
	{
		if (It->GetFName() == FieldName)
		{
			return CastField<T>(*It);
		}
	}
	return nullptr;
}

template<typename T>
T* FindFProperty(const UStruct* Owner, const TCHAR* FieldName)
{
	return FindFProperty<T>(Owner, FName(FieldName));
}

/** Which property of an object changed, for PostEditChangeProperty. */
namespace EPropertyChangeType
{
	typedef uint32 Type;
	const Type Unspecified = 1 << 0;
	const Type ArrayAdd = 1 << 1;
	const Type ArrayRemove = 1 << 2;
	const Type ArrayClear = 1 << 3;
	const Type ValueSet = 1 << 4;
	const Type Duplicate = 1 << 5;
	const Type Interactive = 1 << 6;
	const Type Redirected = 1 << 7;
}

struct FPropertyChangedEvent
{
	FPropertyChangedEvent(FProperty* InProperty, EPropertyChangeType::Type InChangeType = EPropertyChangeType::Unspecified)
		: Property(InProperty)
		, MemberProperty(InProperty)
		, ChangeType(InChangeType)
	{
	}

	FName GetPropertyName() const
	{
		return Property ? Property->GetFName() : NAME_None;
	}

	FName GetMemberPropertyName() const
	{
		return MemberProperty ? MemberProperty->GetFName() : NAME_None;
	}

	FProperty* Property;
	FProperty* MemberProperty;
	EPropertyChangeType::Type ChangeType;
};
