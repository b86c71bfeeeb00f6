// Reflection types that are objects: UField, UStruct, UScriptStruct, UClass, UFunction, UEnum.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Object.h"
#include "UObject/Field.h"
#include "UObject/Script.h"
#include "UObject/TopLevelAssetPath.h"

#include <type_traits>

class FProperty;
class UFunction;
class UClass;
class FOutputDevice;

/** Base of reflected things that are objects (structs, functions, enums). Holds the metadata. */
class COREUOBJECT_API UField : public UObject
{
	DECLARE_CLASS(UField, UObject, CLASS_Abstract | CLASS_Native | CLASS_Intrinsic, CASTCLASS_None, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UField)

public:
	UField(const FObjectInitializer& ObjectInitializer);
	UField(EStaticConstructor, EObjectFlags InFlags);

	/** Next field of the same owner (functions of a class), in declaration order. */
	UField* Next = nullptr;

	UClass* GetOwnerClass() const;
	UStruct* GetOwnerStruct() const;

#if WITH_EDITOR
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
	void SetMetaData(const FName& Key, const FString& InValue);
	void RemoveMetaData(const TCHAR* Key);
	bool GetBoolMetaData(const TCHAR* Key) const;
	bool GetBoolMetaData(const FName& Key) const;
	int32 GetIntMetaData(const TCHAR* Key) const;
	FText GetDisplayNameText() const;
	FText GetToolTipText(bool bShortTooltip = false) const;
	const TMap<FName, FString>& GetMetaDataMap() const
	{
		return MetaDataMap;
	}

private:
	TMap<FName, FString> MetaDataMap;
#endif
};

namespace EFieldIteratorFlags
{
	enum SuperClassFlags
	{
		ExcludeSuper = 0,
		IncludeSuper
	};
	enum DeprecatedPropertyFlags
	{
		ExcludeDeprecated = 0,
		IncludeDeprecated
	};
	enum InterfaceClassFlags
	{
		ExcludeInterfaces = 0,
		IncludeInterfaces = 1
	};
}

namespace EIncludeSuperFlag
{
	enum Type
	{
		ExcludeSuper,
		IncludeSuper
	};
}

/** A struct or class: its properties (ChildProperties) and, for classes, functions (Children). */
class COREUOBJECT_API UStruct : public UField
{
	DECLARE_CLASS(UStruct, UField, CLASS_Native | CLASS_Intrinsic, CASTCLASS_None, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UStruct)

public:
	UStruct(const FObjectInitializer& ObjectInitializer);
	UStruct(EStaticConstructor, int32 InSize, int32 InAlignment, EObjectFlags InFlags);
	virtual ~UStruct() override;

	UStruct* GetSuperStruct() const
	{
		return SuperStruct;
	}

	virtual void SetSuperStruct(UStruct* NewSuperStruct);

	bool IsChildOf(const UStruct* SomeBase) const;

	template<class T>
	bool IsChildOf() const
	{
		return IsChildOf(T::StaticClass());
	}

	int32 GetPropertiesSize() const
	{
		return PropertiesSize;
	}

	int32 GetMinAlignment() const
	{
		return MinAlignment;
	}

	int32 GetStructureSize() const
	{
		return PropertiesSize;
	}

	void SetPropertiesSize(int32 NewSize)
	{
		PropertiesSize = NewSize;
	}

	/** Appends a property (owned by this struct from now on). */
	virtual void AddCppProperty(FProperty* Property);

	/** Appends a child object field (functions of a class). */
	void AddChild(UField* Child);

	FProperty* FindPropertyByName(FName InName) const;

	/** Runs the constructor of every property on raw memory (structs: their C++ constructor). */
	virtual void InitializeStruct(void* Dest, int32 ArrayDim = 1) const;
	virtual void DestroyStruct(void* Dest, int32 ArrayDim = 1) const;

	/** Text form of this struct's properties: "(Field=Value,...)". */
	virtual void ExportText(FString& ValueStr, const void* Value, const void* Defaults, UObject* OwnerObject, int32 PortFlags, UObject* ExportRootScope, bool bAllowNativeOverride = true) const;

	/** Reads the text form; returns the position after it, or null (with a message) when malformed. */
	virtual const TCHAR* ImportText(const TCHAR* Buffer, void* Value, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText, const FString& StructName, bool bAllowNativeOverride = true) const;

	UStruct* SuperStruct = nullptr;
	/** Object fields (functions), in declaration order. */
	UField* Children = nullptr;
	/** Properties, in declaration order. */
	FField* ChildProperties = nullptr;

protected:
	int32 PropertiesSize = 0;
	int32 MinAlignment = 1;
};

/** Type traits a struct may specialise to take over its text form or comparison. */
struct TStructOpsTypeTraitsBase2Base
{
	enum
	{
		WithZeroConstructor = false,
		WithNoInitConstructor = false,
		WithNoDestructor = false,
		WithCopy = true,
		WithIdenticalViaEquality = false,
		WithIdentical = false,
		WithExportTextItem = false,
		WithImportTextItem = false,
	};
};

template<class CPPSTRUCT>
struct TStructOpsTypeTraitsBase2 : TStructOpsTypeTraitsBase2Base
{
};

template<class CPPSTRUCT>
struct TStructOpsTypeTraits : public TStructOpsTypeTraitsBase2<CPPSTRUCT>
{
};

class COREUOBJECT_API UScriptStruct : public UStruct
{
	DECLARE_CLASS(UScriptStruct, UStruct, CLASS_Native | CLASS_Intrinsic, CASTCLASS_None, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UScriptStruct)

public:
	/** What the object system can do with the native struct type. */
	struct ICppStructOps
	{
		ICppStructOps(int32 InSize, int32 InAlignment)
			: Size(InSize)
			, Alignment(InAlignment)
		{
		}
		virtual ~ICppStructOps() = default;

		virtual void Construct(void* Dest) = 0;
		virtual void Destruct(void* Dest) = 0;
		virtual bool Copy(void* Dest, const void* Src, int32 ArrayDim) = 0;
		virtual bool HasIdentical() = 0;
		virtual bool Identical(const void* A, const void* B, uint32 PortFlags, bool& bOutResult) = 0;
		virtual bool HasExportTextItem() = 0;
		virtual bool ExportTextItem(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) = 0;
		virtual bool HasImportTextItem() = 0;
		virtual bool ImportTextItem(const TCHAR*& Buffer, void* Data, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText) = 0;

		int32 GetSize() const
		{
			return Size;
		}
		int32 GetAlignment() const
		{
			return Alignment;
		}

	private:
		int32 Size;
		int32 Alignment;
	};

	template<class CPPSTRUCT>
	struct TCppStructOps : public ICppStructOps
	{
		typedef TStructOpsTypeTraits<CPPSTRUCT> TTraits;

		TCppStructOps()
			: ICppStructOps(sizeof(CPPSTRUCT), alignof(CPPSTRUCT))
		{
		}

		virtual void Construct(void* Dest) override
		{
			new (Dest) CPPSTRUCT();
		}
		virtual void Destruct(void* Dest) override
		{
			((CPPSTRUCT*)Dest)->~CPPSTRUCT();
		}
		virtual bool Copy(void* Dest, const void* Src, int32 ArrayDim) override
		{
			for (int32 Index = 0; Index < ArrayDim; ++Index)
			{
				((CPPSTRUCT*)Dest)[Index] = ((const CPPSTRUCT*)Src)[Index];
			}
			return true;
		}
		virtual bool HasIdentical() override
		{
			return TTraits::WithIdentical || TTraits::WithIdenticalViaEquality;
		}
		virtual bool Identical(const void* A, const void* B, uint32 PortFlags, bool& bOutResult) override
		{
			if constexpr (TTraits::WithIdentical)
			{
				bOutResult = ((const CPPSTRUCT*)A)->Identical((const CPPSTRUCT*)B, PortFlags);
				return true;
			}
			else if constexpr (TTraits::WithIdenticalViaEquality)
			{
				bOutResult = (*(const CPPSTRUCT*)A == *(const CPPSTRUCT*)B);
				return true;
			}
			return false;
		}
		virtual bool HasExportTextItem() override
		{
			return TTraits::WithExportTextItem;
		}
		virtual bool ExportTextItem(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) override
		{
			if constexpr (TTraits::WithExportTextItem)
			{
				return ((const CPPSTRUCT*)PropertyValue)->ExportTextItem(ValueStr, DefaultValue ? *(const CPPSTRUCT*)DefaultValue : CPPSTRUCT(), Parent, PortFlags, ExportRootScope);
			}
			return false;
		}
		virtual bool HasImportTextItem() override
		{
			return TTraits::WithImportTextItem;
		}
		virtual bool ImportTextItem(const TCHAR*& Buffer, void* Data, int32 PortFlags, UObject* OwnerObject, FOutputDevice* ErrorText) override
		{
			if constexpr (TTraits::WithImportTextItem)
			{
				return ((CPPSTRUCT*)Data)->ImportTextItem(Buffer, PortFlags, OwnerObject, ErrorText);
			}
			return false;
		}
	};

	UScriptStruct(const FObjectInitializer& ObjectInitializer);
	UScriptStruct(EStaticConstructor, int32 InSize, int32 InAlignment, EObjectFlags InFlags);
	virtual ~UScriptStruct() override;

	ICppStructOps* GetCppStructOps() const
	{
		return CppStructOps;
	}

	/** Takes ownership of the ops; sets the struct's size and alignment from them. */
	void SetCppStructOps(ICppStructOps* InOps);

	virtual void InitializeStruct(void* Dest, int32 ArrayDim = 1) const override;
	virtual void DestroyStruct(void* Dest, int32 ArrayDim = 1) const override;
	void CopyScriptStruct(void* Dest, const void* Src, int32 ArrayDim = 1) const;
	void ClearScriptStruct(void* Dest, int32 ArrayDim = 1) const;
	bool CompareScriptStruct(const void* A, const void* B, uint32 PortFlags) const;

	virtual void ExportText(FString& ValueStr, const void* Value, const void* Defaults, UObject* OwnerObject, int32 PortFlags, UObject* ExportRootScope, bool bAllowNativeOverride = true) const override;
	virtual const TCHAR* ImportText(const TCHAR* Buffer, void* Value, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText, const FString& StructName, bool bAllowNativeOverride = true) const override;

	FString GetStructCPPName() const
	{
		return FString(TEXT("F")) + GetName();
	}

	EStructFlags StructFlags = STRUCT_NoFlags;

private:
	ICppStructOps* CppStructOps = nullptr;
};

/** A reflected function: parameters are its properties (CPF_Parm), laid out as a parameter block. */
class COREUOBJECT_API UFunction : public UStruct
{
	DECLARE_CLASS(UFunction, UStruct, CLASS_Native | CLASS_Intrinsic, CASTCLASS_None, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UFunction)

public:
	UFunction(const FObjectInitializer& ObjectInitializer);

	EFunctionFlags FunctionFlags = FUNC_None;
	uint8 NumParms = 0;
	uint16 ParmsSize = 0;
	uint16 ReturnValueOffset = 0xFFFF;

	bool HasAnyFunctionFlags(EFunctionFlags FlagsToCheck) const
	{
		return (FunctionFlags & FlagsToCheck) != 0;
	}

	bool HasAllFunctionFlags(EFunctionFlags FlagsToCheck) const
	{
		return (FunctionFlags & FlagsToCheck) == FlagsToCheck;
	}

	FProperty* GetReturnProperty() const;

	UFunction* GetSuperFunction() const
	{
		return (UFunction*)GetSuperStruct();
	}

	UClass* GetOuterUClass() const;

	void SetNativeFunc(FNativeFuncPtr InFunc)
	{
		Func = InFunc;
	}

	FNativeFuncPtr GetNativeFunc() const
	{
		return Func;
	}

	/** Body of a function of a class built at run time. */
	void SetScriptBody(FScriptFunctionBody InBody)
	{
		ScriptBody = MoveTemp(InBody);
	}

	bool HasScriptBody() const
	{
		return (bool)ScriptBody;
	}

	/** Calls the native thunk with a frame over the parameter block. */
	void Invoke(UObject* Obj, FFrame& Stack, RESULT_DECL);

	/** Recomputes NumParms, ParmsSize (given), ReturnValueOffset and FUNC_HasOutParms from the parameters. */
	void FinalizeParms(int32 InParmsSize);

	/** Whether the signatures (parameter types and flags) agree, e.g. a delegate and its target. */
	bool IsSignatureCompatibleWith(const UFunction* OtherFunction) const;

	virtual void AddCppProperty(FProperty* Property) override;

	/** The parameter block: constructs and destroys every parameter value. */
	void InitializeParms(void* Parms) const;
	void DestroyParms(void* Parms) const;

private:
	FNativeFuncPtr Func = nullptr;
	FScriptFunctionBody ScriptBody;

	friend class UObject;
};

/** A function type that only describes a delegate's signature. */
class COREUOBJECT_API UDelegateFunction : public UFunction
{
	DECLARE_CLASS(UDelegateFunction, UFunction, CLASS_Native | CLASS_Intrinsic, CASTCLASS_None, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UDelegateFunction)

public:
	UDelegateFunction(const FObjectInitializer& ObjectInitializer);
};

/** A reflected enum. Names are stored as the engine stores them ("EMyEnum::Value" for enum classes). */
class COREUOBJECT_API UEnum : public UField
{
	DECLARE_CLASS(UEnum, UField, CLASS_Native | CLASS_Intrinsic, CASTCLASS_None, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UEnum)

public:
	enum class ECppForm
	{
		Regular,
		Namespaced,
		EnumClass
	};

	UEnum(const FObjectInitializer& ObjectInitializer);

	virtual bool SetEnums(TArray<TPair<FName, int64>>& InNames, ECppForm InCppForm, bool bAddMaxKeyIfMissing = true);

	ECppForm GetCppForm() const
	{
		return CppForm;
	}

	int32 NumEnums() const
	{
		return Names.Num();
	}

	FName GetNameByIndex(int32 Index) const;
	int64 GetValueByIndex(int32 Index) const;
	FString GetNameStringByIndex(int32 Index) const;
	int32 GetIndexByValue(int64 InValue) const;
	int32 GetIndexByName(const FName InName) const;
	int32 GetIndexByNameString(const FString& SearchString) const;
	FName GetNameByValue(int64 InValue) const;
	/** Short name ("Value", without "EMyEnum::"). */
	FString GetNameStringByValue(int64 InValue) const;
	FString GetAuthoredNameStringByValue(int64 InValue) const
	{
		return GetNameStringByValue(InValue);
	}
	/** Accepts the short or the full name; INDEX_NONE when absent. */
	int64 GetValueByName(FName InName) const;
	int64 GetValueByNameString(const FString& SearchString) const;
	bool IsValidEnumValue(int64 InValue) const;
	bool IsValidEnumName(FName InName) const;
	int64 GetMaxEnumValue() const;
	FText GetDisplayNameTextByValue(int64 InValue) const;
	FText GetDisplayNameTextByIndex(int32 InIndex) const;
	FString GetDisplayValueAsText_String(int64 InValue) const;

#if WITH_EDITOR
	/** Per-enumerator metadata ("DisplayName" of enumerator Index). */
	FString GetMetaData(const TCHAR* Key, int32 NameIndex = INDEX_NONE, bool bAllowRemap = true) const;
	void SetMetaData(const TCHAR* Key, const TCHAR* InValue, int32 NameIndex = INDEX_NONE);
	bool HasMetaData(const TCHAR* Key, int32 NameIndex = INDEX_NONE) const;
#endif

	FString CppType;

	/** Name of a value of this enum: GetValueAsString(EMyEnum::Value). */
	template<typename EnumType>
	static FString GetValueAsString(const EnumType EnumValue);

protected:
	TArray<TPair<FName, int64>> Names;
	ECppForm CppForm = ECppForm::Regular;
};

/** An interface a class implements, with the offset of the native interface inside the object. */
struct FImplementedInterface
{
	UClass* Class = nullptr;
	int32 PointerOffset = 0;
	bool bImplementedByK2 = false;

	FImplementedInterface() = default;
	FImplementedInterface(UClass* InClass, int32 InOffset, bool bInImplementedByK2)
		: Class(InClass)
		, PointerOffset(InOffset)
		, bImplementedByK2(bInImplementedByK2)
	{
	}
};

class COREUOBJECT_API UClass : public UStruct
{
	DECLARE_CLASS(UClass, UStruct, CLASS_Native | CLASS_Intrinsic, CASTCLASS_None, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UClass)

public:
	typedef void (*ClassConstructorType)(const FObjectInitializer&);
	typedef UClass* (*StaticClassFunctionType)();

	UClass(const FObjectInitializer& ObjectInitializer);
	/** Class objects of native classes (GetPrivateStaticClassBody). */
	UClass(EStaticConstructor, FName InName, uint32 InSize, uint32 InAlignment, EClassFlags InClassFlags, EClassCastFlags InClassCastFlags, const TCHAR* InConfigName, EObjectFlags InFlags, ClassConstructorType InClassConstructor);

	ClassConstructorType ClassConstructor = nullptr;
	EClassFlags ClassFlags = CLASS_None;
	EClassCastFlags ClassCastFlags = CASTCLASS_None;
	UClass* ClassWithin = nullptr;
	FName ClassConfigName;
	TArray<FImplementedInterface> Interfaces;
	/** Counter for MakeUniqueObjectName. */
	int32 ClassUnique = 0;

	UClass* GetSuperClass() const
	{
		return (UClass*)GetSuperStruct();
	}

	bool HasAnyClassFlags(EClassFlags FlagsToCheck) const
	{
		return (ClassFlags & FlagsToCheck) != 0;
	}

	bool HasAllClassFlags(EClassFlags FlagsToCheck) const
	{
		return (ClassFlags & FlagsToCheck) == FlagsToCheck;
	}

	EClassFlags GetClassFlags() const
	{
		return ClassFlags;
	}

	bool HasAnyCastFlag(EClassCastFlags FlagToCheck) const
	{
		return (ClassCastFlags & FlagToCheck) != 0;
	}

	/** The class default object; created (and its configuration loaded) on first request. */
	UObject* GetDefaultObject(bool bCreateIfNeeded = true) const;

	template<class T>
	T* GetDefaultObject() const
	{
		UObject* Ret = GetDefaultObject();
		check(Ret->IsA(T::StaticClass()));
		return (T*)Ret;
	}

	template<class T>
	T* GetDefaultSubobjectByName(FName ToFind) const
	{
		return nullptr;
	}

	FName GetDefaultObjectName() const;

	/** Whether this class or a parent lists the interface (or a child interface of it). */
	bool ImplementsInterface(const UClass* SomeInterface) const;

	/** Functions of this class, its parents (IncludeSuper) and the interfaces it implements. */
	UFunction* FindFunctionByName(FName InName, EIncludeSuperFlag::Type IncludeSuper = EIncludeSuperFlag::IncludeSuper) const;

	void AddFunctionToFunctionMap(UFunction* Function, FName FuncName);
	void RemoveFunctionFromFunctionMap(UFunction* Function);
	const TMap<FName, UFunction*>& GetFunctionMap() const
	{
		return FuncMap;
	}

	/** The configuration file this class reads and writes (GGameIni for "Game" ...). */
	FString GetConfigName() const;

	/** "/Script/Module" + "ClassName". */
	FTopLevelAssetPath GetClassPathName() const;

	bool IsNative() const
	{
		return HasAnyClassFlags(CLASS_Native);
	}

	/** Sets SuperStruct and inherits the parent's inheritable flags, config name, size and constructor
	 *  (classes built at run time construct as their native ancestor). */
	virtual void SetSuperStruct(UStruct* NewSuperStruct) override;

	virtual void AddCppProperty(FProperty* Property) override;

	/** Run-time interface listing (classes built at run time). */
	void AddInterface(UClass* InterfaceClass, int32 PointerOffset, bool bImplementedByK2);

	UClass* GetAuthoritativeClass()
	{
		return this;
	}

	const UClass* GetAuthoritativeClass() const
	{
		return this;
	}

	FString GetPrefixCPP() const;

	virtual void BeginDestroy() override;

protected:
	virtual UObject* CreateDefaultObject();

private:
	mutable UObject* ClassDefaultObject = nullptr;
	TMap<FName, UFunction*> FuncMap;

	friend class UObject;
	friend struct FClassDefaultObjectAccess;
};

/** Creates the class object of a native class (IMPLEMENT_CLASS). */
COREUOBJECT_API void GetPrivateStaticClassBody(
	const TCHAR* PackageName,
	const TCHAR* Name,
	UClass*& ReturnClass,
	uint32 InSize,
	uint32 InAlignment,
	EClassFlags InClassFlags,
	EClassCastFlags InClassCastFlags,
	const TCHAR* InConfigName,
	UClass::ClassConstructorType InClassConstructor,
	UClass::StaticClassFunctionType InSuperClassFn);

template<class T>
inline const T* GetDefault(UClass* Class)
{
	check(Class->GetDefaultObject()->IsA(T::StaticClass()));
	return (const T*)Class->GetDefaultObject();
}

template<class T>
inline T* GetMutableDefault(UClass* Class)
{
	check(Class->GetDefaultObject()->IsA(T::StaticClass()));
	return (T*)Class->GetDefaultObject();
}

/** The UEnum of a reflected enum type (the header tool specialises it). */
template<typename T>
UEnum* StaticEnum();

/** The UScriptStruct of a reflected struct type. */
template<typename T>
UScriptStruct* StaticStruct()
{
	return T::StaticStruct();
}

struct FVector;
struct FVector2D;
struct FRotator;
struct FLinearColor;
struct FColor;
struct FIntPoint;
struct FFrameRate;
struct FSoftObjectPath;
struct FTopLevelAssetPath;
template<> COREUOBJECT_API UScriptStruct* StaticStruct<FVector>();
template<> COREUOBJECT_API UScriptStruct* StaticStruct<FVector2D>();
template<> COREUOBJECT_API UScriptStruct* StaticStruct<FRotator>();
template<> COREUOBJECT_API UScriptStruct* StaticStruct<FLinearColor>();
template<> COREUOBJECT_API UScriptStruct* StaticStruct<FColor>();
template<> COREUOBJECT_API UScriptStruct* StaticStruct<FIntPoint>();
template<> COREUOBJECT_API UScriptStruct* StaticStruct<FFrameRate>();
template<> COREUOBJECT_API UScriptStruct* StaticStruct<FSoftObjectPath>();
template<> COREUOBJECT_API UScriptStruct* StaticStruct<FTopLevelAssetPath>();

/** The engine's accessor for the UScriptStruct of Core's value types. */
template<typename T>
struct TBaseStructure
{
	static UScriptStruct* Get()
	{
		return StaticStruct<T>();
	}
};

template<typename T>
UClass* StaticClass()
{
	return T::StaticClass();
}

template<typename EnumType>
FString UEnum::GetValueAsString(const EnumType EnumValue)
{
	return StaticEnum<EnumType>()->GetNameStringByValue((int64)EnumValue);
}

/** Reflected objects register as "/Script/<Module>"; these let generated code find them by path. */
COREUOBJECT_API UClass* FindNativeClass(const TCHAR* PackageName, const TCHAR* ClassName);
