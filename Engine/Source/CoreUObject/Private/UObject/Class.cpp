#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/Package.h"
#include "UObject/Interface.h"
#include "UObject/ObjectTable.h"
#include "Misc/ConfigCacheIni.h"

#include <cstring>

using namespace UE::CoreUObject::Private;

IMPLEMENT_CLASS(UField)
IMPLEMENT_CLASS(UStruct)
IMPLEMENT_CLASS(UScriptStruct)
IMPLEMENT_CLASS(UFunction)
IMPLEMENT_CLASS(UDelegateFunction)
IMPLEMENT_CLASS(UEnum)
IMPLEMENT_CLASS(UClass)

// ---------------------------------------------------------------- UField

UField::UField(const FObjectInitializer& ObjectInitializer)
	: UObject(ObjectInitializer)
{
}

UField::UField(EStaticConstructor, EObjectFlags InFlags)
	: UObject(EC_StaticConstructor, InFlags)
{
}

UClass* UField::GetOwnerClass() const
{
	for (const UObject* Obj = this; Obj; Obj = Obj->GetOuter())
	{
		if (const UClass* Class = dynamic_cast<const UClass*>(Obj))
		{
			return const_cast<UClass*>(Class);
		}
	}
	return nullptr;
}

UStruct* UField::GetOwnerStruct() const
{
	for (const UObject* Obj = this; Obj; Obj = Obj->GetOuter())
	{
		if (const UStruct* Struct = dynamic_cast<const UStruct*>(Obj))
		{
			return const_cast<UStruct*>(Struct);
		}
	}
	return nullptr;
}

#if WITH_EDITOR
static const FString& EmptyString()
{
	static const FString Empty;
	return Empty;
}

const FString* UField::FindMetaData(const TCHAR* Key) const
{
	return MetaDataMap.Find(FName(Key));
}

const FString* UField::FindMetaData(const FName& Key) const
{
	return MetaDataMap.Find(Key);
}

const FString& UField::GetMetaData(const TCHAR* Key) const
{
	const FString* Found = FindMetaData(Key);
	return Found ? *Found : EmptyString();
}

const FString& UField::GetMetaData(const FName& Key) const
{
	const FString* Found = FindMetaData(Key);
	return Found ? *Found : EmptyString();
}

void UField::SetMetaData(const TCHAR* Key, const TCHAR* InValue)
{
	MetaDataMap.Add(FName(Key), FString(InValue));
}

void UField::SetMetaData(const FName& Key, const FString& InValue)
{
	MetaDataMap.Add(Key, InValue);
}

void UField::RemoveMetaData(const TCHAR* Key)
{
	MetaDataMap.Remove(FName(Key));
}

bool UField::GetBoolMetaData(const TCHAR* Key) const
{
	return GetMetaData(Key) == TEXT("true");
}

bool UField::GetBoolMetaData(const FName& Key) const
{
	return GetMetaData(Key) == TEXT("true");
}

int32 UField::GetIntMetaData(const TCHAR* Key) const
{
	return FCString::Atoi(*GetMetaData(Key));
}

FText UField::GetDisplayNameText() const
{
	const FString* DisplayName = FindMetaData(TEXT("DisplayName"));
	return FText::FromString(DisplayName ? *DisplayName : GetName());
}

FText UField::GetToolTipText(bool bShortTooltip) const
{
	if (bShortTooltip)
	{
		if (const FString* Short = FindMetaData(TEXT("ShortTooltip")))
		{
			return FText::FromString(*Short);
		}
	}
	return FText::FromString(GetMetaData(TEXT("ToolTip")));
}
#endif

// ---------------------------------------------------------------- UStruct

UStruct::UStruct(const FObjectInitializer& ObjectInitializer)
	: UField(ObjectInitializer)
{
}

UStruct::UStruct(EStaticConstructor, int32 InSize, int32 InAlignment, EObjectFlags InFlags)
	: UField(EC_StaticConstructor, InFlags)
	, PropertiesSize(InSize)
	, MinAlignment(InAlignment)
{
}

UStruct::~UStruct()
{
	for (FField* Field = ChildProperties; Field;)
	{
		FField* Next = Field->Next;
		delete Field;
		Field = Next;
	}
	ChildProperties = nullptr;
}

void UStruct::SetSuperStruct(UStruct* NewSuperStruct)
{
	SuperStruct = NewSuperStruct;
}

bool UStruct::IsChildOf(const UStruct* SomeBase) const
{
	if (SomeBase == nullptr)
	{
		return false;
	}
	for (const UStruct* Struct = this; Struct; Struct = Struct->GetSuperStruct())
	{
		if (Struct == SomeBase)
		{
			return true;
		}
	}
	return false;
}

void UStruct::AddCppProperty(FProperty* Property)
{
	check(Property != nullptr);
	Property->Next = nullptr;
	if (!ChildProperties)
	{
		ChildProperties = Property;
	}
	else
	{
		FField* Last = ChildProperties;
		while (Last->Next)
		{
			Last = Last->Next;
		}
		Last->Next = Property;
		((FProperty*)Last)->PropertyLinkNext = Property;
	}
}

void UStruct::AddChild(UField* Child)
{
	check(Child != nullptr);
	Child->Next = nullptr;
	if (!Children)
	{
		Children = Child;
		return;
	}
	UField* Last = Children;
	while (Last->Next)
	{
		Last = Last->Next;
	}
	Last->Next = Child;
}

FProperty* UStruct::FindPropertyByName(FName InName) const
{
	for (TFieldIterator<FProperty> It(this); It; ++It)
	{
		if (It->GetFName() == InName)
		{
			return *It;
		}
	}
	return nullptr;
}

void UStruct::InitializeStruct(void* Dest, int32 ArrayDim) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		uint8* Element = (uint8*)Dest + Index * PropertiesSize;
		for (TFieldIterator<FProperty> It(this); It; ++It)
		{
			It->InitializeValue_InContainer(Element);
		}
	}
}

void UStruct::DestroyStruct(void* Dest, int32 ArrayDim) const
{
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		uint8* Element = (uint8*)Dest + Index * PropertiesSize;
		for (TFieldIterator<FProperty> It(this); It; ++It)
		{
			It->DestroyValue_InContainer(Element);
		}
	}
}

// ---------------------------------------------------------------- UScriptStruct

UScriptStruct::UScriptStruct(const FObjectInitializer& ObjectInitializer)
	: UStruct(ObjectInitializer)
{
}

UScriptStruct::UScriptStruct(EStaticConstructor, int32 InSize, int32 InAlignment, EObjectFlags InFlags)
	: UStruct(EC_StaticConstructor, InSize, InAlignment, InFlags)
{
}

UScriptStruct::~UScriptStruct()
{
	delete CppStructOps;
}

void UScriptStruct::SetCppStructOps(ICppStructOps* InOps)
{
	delete CppStructOps;
	CppStructOps = InOps;
	if (CppStructOps)
	{
		PropertiesSize = CppStructOps->GetSize();
		MinAlignment = CppStructOps->GetAlignment();
		StructFlags = StructFlags | STRUCT_Native;
	}
}

void UScriptStruct::InitializeStruct(void* Dest, int32 ArrayDim) const
{
	if (CppStructOps)
	{
		for (int32 Index = 0; Index < ArrayDim; ++Index)
		{
			CppStructOps->Construct((uint8*)Dest + Index * PropertiesSize);
		}
		return;
	}
	UStruct::InitializeStruct(Dest, ArrayDim);
}

void UScriptStruct::DestroyStruct(void* Dest, int32 ArrayDim) const
{
	if (CppStructOps)
	{
		for (int32 Index = 0; Index < ArrayDim; ++Index)
		{
			CppStructOps->Destruct((uint8*)Dest + Index * PropertiesSize);
		}
		return;
	}
	UStruct::DestroyStruct(Dest, ArrayDim);
}

void UScriptStruct::CopyScriptStruct(void* Dest, const void* Src, int32 ArrayDim) const
{
	if (CppStructOps && CppStructOps->Copy(Dest, Src, ArrayDim))
	{
		return;
	}
	for (int32 Index = 0; Index < ArrayDim; ++Index)
	{
		for (TFieldIterator<FProperty> It(this); It; ++It)
		{
			It->CopyCompleteValue_InContainer((uint8*)Dest + Index * PropertiesSize, (const uint8*)Src + Index * PropertiesSize);
		}
	}
}

void UScriptStruct::ClearScriptStruct(void* Dest, int32 ArrayDim) const
{
	DestroyStruct(Dest, ArrayDim);
	InitializeStruct(Dest, ArrayDim);
}

bool UScriptStruct::CompareScriptStruct(const void* A, const void* B, uint32 PortFlags) const
{
	if (CppStructOps && CppStructOps->HasIdentical())
	{
		bool bResult = false;
		if (CppStructOps->Identical(A, B, PortFlags, bResult))
		{
			return bResult;
		}
	}
	for (TFieldIterator<FProperty> It(this); It; ++It)
	{
		for (int32 Index = 0; Index < It->ArrayDim; ++Index)
		{
			if (!It->Identical_InContainer(A, B, Index, PortFlags))
			{
				return false;
			}
		}
	}
	return true;
}

// ---------------------------------------------------------------- UFunction

UFunction::UFunction(const FObjectInitializer& ObjectInitializer)
	: UStruct(ObjectInitializer)
{
}

UDelegateFunction::UDelegateFunction(const FObjectInitializer& ObjectInitializer)
	: UFunction(ObjectInitializer)
{
}

FProperty* UFunction::GetReturnProperty() const
{
	for (TFieldIterator<FProperty> It(this); It; ++It)
	{
		if (It->HasAnyPropertyFlags(CPF_ReturnParm))
		{
			return *It;
		}
	}
	return nullptr;
}

UClass* UFunction::GetOuterUClass() const
{
	return dynamic_cast<UClass*>(GetOuter());
}

void UFunction::Invoke(UObject* Obj, FFrame& Stack, RESULT_DECL)
{
	checkf(Func != nullptr, TEXT("Function %s has no native implementation"), *GetPathName());
	(*Func)(Obj, Stack, RESULT_PARAM);
}

void UFunction::AddCppProperty(FProperty* Property)
{
	UStruct::AddCppProperty(Property);
}

void UFunction::FinalizeParms(int32 InParmsSize)
{
	NumParms = 0;
	ReturnValueOffset = 0xFFFF;
	FunctionFlags &= ~FUNC_HasOutParms;
	for (TFieldIterator<FProperty> It(this, EFieldIteratorFlags::ExcludeSuper); It; ++It)
	{
		if (!It->HasAnyPropertyFlags(CPF_Parm))
		{
			continue;
		}
		++NumParms;
		if (It->HasAnyPropertyFlags(CPF_ReturnParm))
		{
			ReturnValueOffset = (uint16)It->GetOffset_ForUFunction();
		}
		else if (It->HasAnyPropertyFlags(CPF_OutParm))
		{
			FunctionFlags |= FUNC_HasOutParms;
		}
	}
	ParmsSize = (uint16)InParmsSize;
	PropertiesSize = InParmsSize;
}

bool UFunction::IsSignatureCompatibleWith(const UFunction* OtherFunction) const
{
	if (OtherFunction == this)
	{
		return true;
	}
	if (!OtherFunction)
	{
		return false;
	}
	const EPropertyFlags IgnoreFlags = (EPropertyFlags)(CPF_ParmFlags & ~(CPF_Parm | CPF_OutParm | CPF_ReturnParm | CPF_ReferenceParm));
	TFieldIterator<FProperty> A(this, EFieldIteratorFlags::ExcludeSuper);
	TFieldIterator<FProperty> B(OtherFunction, EFieldIteratorFlags::ExcludeSuper);
	for (; A && B; ++A, ++B)
	{
		if (!A->HasAnyPropertyFlags(CPF_Parm) || !B->HasAnyPropertyFlags(CPF_Parm))
		{
			return false;
		}
		if (!A->SameType(*B) || ((A->PropertyFlags & CPF_ParmFlags & ~IgnoreFlags) != (B->PropertyFlags & CPF_ParmFlags & ~IgnoreFlags)))
		{
			return false;
		}
	}
	return !A && !B;
}

void UFunction::InitializeParms(void* Parms) const
{
	std::memset(Parms, 0, ParmsSize);
	for (TFieldIterator<FProperty> It(this, EFieldIteratorFlags::ExcludeSuper); It; ++It)
	{
		It->InitializeValue_InContainer(Parms);
	}
}

void UFunction::DestroyParms(void* Parms) const
{
	for (TFieldIterator<FProperty> It(this, EFieldIteratorFlags::ExcludeSuper); It; ++It)
	{
		It->DestroyValue_InContainer(Parms);
	}
}

// ---------------------------------------------------------------- UEnum

UEnum::UEnum(const FObjectInitializer& ObjectInitializer)
	: UField(ObjectInitializer)
{
}

/** "EFoo::Bar" -> "Bar". */
static FString ShortEnumName(const FString& Name)
{
	const int32 Colon = Name.Find(TEXT("::"), ESearchCase::CaseSensitive, ESearchDir::FromEnd);
	return Colon == INDEX_NONE ? Name : Name.Mid(Colon + 2);
}

bool UEnum::SetEnums(TArray<TPair<FName, int64>>& InNames, ECppForm InCppForm, bool bAddMaxKeyIfMissing)
{
	Names = InNames;
	CppForm = InCppForm;
	if (bAddMaxKeyIfMissing && Names.Num() > 0)
	{
		const FString Prefix = InCppForm == ECppForm::Regular ? FString() : GetName() + TEXT("::");
		const FString MaxName = Prefix + GetName() + TEXT("_MAX");
		if (GetIndexByNameString(MaxName) == INDEX_NONE)
		{
			int64 MaxValue = 0;
			for (const TPair<FName, int64>& Pair : Names)
			{
				MaxValue = Pair.Value >= MaxValue ? Pair.Value + 1 : MaxValue;
			}
			Names.Add(TPair<FName, int64>(FName(*MaxName), MaxValue));
		}
	}
	return true;
}

FName UEnum::GetNameByIndex(int32 Index) const
{
	return Names.IsValidIndex(Index) ? Names[Index].Key : NAME_None;
}

int64 UEnum::GetValueByIndex(int32 Index) const
{
	return Names.IsValidIndex(Index) ? Names[Index].Value : INDEX_NONE;
}

FString UEnum::GetNameStringByIndex(int32 Index) const
{
	return Names.IsValidIndex(Index) ? ShortEnumName(Names[Index].Key.ToString()) : FString();
}

int32 UEnum::GetIndexByValue(int64 InValue) const
{
	for (int32 Index = 0; Index < Names.Num(); ++Index)
	{
		if (Names[Index].Value == InValue)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

int32 UEnum::GetIndexByName(const FName InName) const
{
	return GetIndexByNameString(InName.ToString());
}

int32 UEnum::GetIndexByNameString(const FString& SearchString) const
{
	const FString ShortSearch = ShortEnumName(SearchString);
	for (int32 Index = 0; Index < Names.Num(); ++Index)
	{
		const FString Full = Names[Index].Key.ToString();
		if (Full == SearchString || ShortEnumName(Full) == ShortSearch)
		{
			return Index;
		}
	}
	return INDEX_NONE;
}

FName UEnum::GetNameByValue(int64 InValue) const
{
	return GetNameByIndex(GetIndexByValue(InValue));
}

FString UEnum::GetNameStringByValue(int64 InValue) const
{
	return GetNameStringByIndex(GetIndexByValue(InValue));
}

int64 UEnum::GetValueByName(FName InName) const
{
	return GetValueByIndex(GetIndexByName(InName));
}

int64 UEnum::GetValueByNameString(const FString& SearchString) const
{
	return GetValueByIndex(GetIndexByNameString(SearchString));
}

bool UEnum::IsValidEnumValue(int64 InValue) const
{
	return GetIndexByValue(InValue) != INDEX_NONE;
}

bool UEnum::IsValidEnumName(FName InName) const
{
	return GetIndexByName(InName) != INDEX_NONE;
}

int64 UEnum::GetMaxEnumValue() const
{
	int64 MaxValue = 0;
	for (const TPair<FName, int64>& Pair : Names)
	{
		MaxValue = Pair.Value > MaxValue ? Pair.Value : MaxValue;
	}
	return MaxValue;
}

FText UEnum::GetDisplayNameTextByIndex(int32 InIndex) const
{
#if WITH_EDITOR
	const FString DisplayName = GetMetaData(TEXT("DisplayName"), InIndex);
	if (!DisplayName.IsEmpty())
	{
		return FText::FromString(DisplayName);
	}
#endif
	return FText::FromString(GetNameStringByIndex(InIndex));
}

FText UEnum::GetDisplayNameTextByValue(int64 InValue) const
{
	return GetDisplayNameTextByIndex(GetIndexByValue(InValue));
}

FString UEnum::GetDisplayValueAsText_String(int64 InValue) const
{
	return GetDisplayNameTextByValue(InValue).ToString();
}

#if WITH_EDITOR
FString UEnum::GetMetaData(const TCHAR* Key, int32 NameIndex, bool bAllowRemap) const
{
	if (NameIndex == INDEX_NONE)
	{
		return UField::GetMetaData(Key);
	}
	return UField::GetMetaData(*(GetNameStringByIndex(NameIndex) + TEXT(".") + Key));
}

void UEnum::SetMetaData(const TCHAR* Key, const TCHAR* InValue, int32 NameIndex)
{
	if (NameIndex == INDEX_NONE)
	{
		UField::SetMetaData(Key, InValue);
		return;
	}
	UField::SetMetaData(*(GetNameStringByIndex(NameIndex) + TEXT(".") + Key), InValue);
}

bool UEnum::HasMetaData(const TCHAR* Key, int32 NameIndex) const
{
	if (NameIndex == INDEX_NONE)
	{
		return UField::HasMetaData(Key);
	}
	return UField::HasMetaData(*(GetNameStringByIndex(NameIndex) + TEXT(".") + Key));
}
#endif

// ---------------------------------------------------------------- UClass

UClass::UClass(const FObjectInitializer& ObjectInitializer)
	: UStruct(ObjectInitializer)
{
}

UClass::UClass(EStaticConstructor, FName InName, uint32 InSize, uint32 InAlignment, EClassFlags InClassFlags, EClassCastFlags InClassCastFlags, const TCHAR* InConfigName, EObjectFlags InFlags, ClassConstructorType InClassConstructor)
	: UStruct(EC_StaticConstructor, (int32)InSize, (int32)InAlignment, InFlags)
	, ClassConstructor(InClassConstructor)
	, ClassFlags(InClassFlags)
	, ClassCastFlags(InClassCastFlags)
{
	if (InConfigName && *InConfigName)
	{
		ClassConfigName = FName(InConfigName);
	}
}

void UClass::SetSuperStruct(UStruct* NewSuperStruct)
{
	UStruct::SetSuperStruct(NewSuperStruct);
	UClass* Parent = GetSuperClass();
	if (Parent && !HasAnyClassFlags(CLASS_Native))
	{
		// Classes built at run time take their parent's layout and construct as it does.
		ClassFlags |= (Parent->ClassFlags & CLASS_Inherit);
		ClassCastFlags |= Parent->ClassCastFlags;
		ClassConstructor = Parent->ClassConstructor;
		PropertiesSize = Parent->GetPropertiesSize();
		MinAlignment = Parent->GetMinAlignment();
		if (ClassConfigName.IsNone())
		{
			ClassConfigName = Parent->ClassConfigName;
		}
	}
}

void UClass::AddCppProperty(FProperty* Property)
{
	UStruct::AddCppProperty(Property);
}

void UClass::AddInterface(UClass* InterfaceClass, int32 PointerOffset, bool bImplementedByK2)
{
	checkf(InterfaceClass && InterfaceClass->HasAnyClassFlags(CLASS_Interface), TEXT("%s is not an interface"), InterfaceClass ? *InterfaceClass->GetName() : TEXT("None"));
	Interfaces.Add(FImplementedInterface(InterfaceClass, PointerOffset, bImplementedByK2));
}

FName UClass::GetDefaultObjectName() const
{
	return FName(*(FString(TEXT("Default__")) + GetName()));
}

UObject* UClass::GetDefaultObject(bool bCreateIfNeeded) const
{
	if (!ClassDefaultObject && bCreateIfNeeded)
	{
		const_cast<UClass*>(this)->CreateDefaultObject();
	}
	return ClassDefaultObject;
}

UObject* UClass::CreateDefaultObject()
{
	if (ClassDefaultObject)
	{
		return ClassDefaultObject;
	}
	// Parents first, as the engine builds defaults down the hierarchy.
	if (UClass* Parent = GetSuperClass())
	{
		Parent->GetDefaultObject();
	}
	FStaticConstructObjectParameters Params(this);
	Params.Outer = GetOuter() ? GetOuter() : (UObject*)GetTransientPackage();
	Params.Name = GetDefaultObjectName();
	Params.SetFlags = (EObjectFlags)(RF_Public | RF_ClassDefaultObject | RF_ArchetypeObject);
	// Set before construction finishes: configuration loading reads it.
	ClassDefaultObject = StaticConstructObject_Internal(Params);
	return ClassDefaultObject;
}

bool UClass::ImplementsInterface(const UClass* SomeInterface) const
{
	if (SomeInterface == nullptr || !SomeInterface->HasAnyClassFlags(CLASS_Interface) || SomeInterface == UInterface::StaticClass())
	{
		return false;
	}
	for (const UClass* CurrentClass = this; CurrentClass; CurrentClass = CurrentClass->GetSuperClass())
	{
		if (CurrentClass == SomeInterface)
		{
			return true;
		}
		for (const FImplementedInterface& Interface : CurrentClass->Interfaces)
		{
			if (Interface.Class && Interface.Class->IsChildOf(SomeInterface))
			{
				return true;
			}
		}
	}
	return false;
}

UFunction* UClass::FindFunctionByName(FName InName, EIncludeSuperFlag::Type IncludeSuper) const
{
	if (UFunction* const* Found = FuncMap.Find(InName))
	{
		return *Found;
	}
	if (IncludeSuper == EIncludeSuperFlag::ExcludeSuper)
	{
		return nullptr;
	}
	for (const FImplementedInterface& Interface : Interfaces)
	{
		if (Interface.Class)
		{
			if (UFunction* Found = Interface.Class->FindFunctionByName(InName))
			{
				return Found;
			}
		}
	}
	if (UClass* Parent = GetSuperClass())
	{
		return Parent->FindFunctionByName(InName);
	}
	return nullptr;
}

void UClass::AddFunctionToFunctionMap(UFunction* Function, FName FuncName)
{
	FuncMap.Add(FuncName, Function);
}

void UClass::RemoveFunctionFromFunctionMap(UFunction* Function)
{
	FuncMap.Remove(Function->GetFName());
}

FString UClass::GetConfigName() const
{
	checkf(!ClassConfigName.IsNone(), TEXT("UObject::GetConfigName() called on class %s with config name 'None'."), *GetName());
	const FString Name = ClassConfigName.ToString();
	if (Name == TEXT("Engine"))
	{
		return GEngineIni;
	}
	if (Name == TEXT("Editor"))
	{
		return GEditorIni;
	}
	if (Name == TEXT("Input"))
	{
		return GInputIni;
	}
	if (Name == TEXT("Game"))
	{
		return GGameIni;
	}
	if (Name == TEXT("EditorSettings"))
	{
		return GEditorSettingsIni;
	}
	if (Name == TEXT("EditorLayout"))
	{
		return GEditorLayoutIni;
	}
	if (Name == TEXT("EditorKeyBindings"))
	{
		return GEditorKeyBindingsIni;
	}
	if (Name == TEXT("EditorPerProjectUserSettings"))
	{
		return GEditorPerProjectIni;
	}
	if (Name == TEXT("GameUserSettings"))
	{
		return GGameUserSettingsIni;
	}
	// Other names get their own file family, loaded (Default<Name>.ini ...) on first use.
	checkf(GConfig != nullptr, TEXT("Configuration of class %s requested before the config system is up"), *GetName());
	return GConfig->GetConfigFilename(*Name);
}

FTopLevelAssetPath UClass::GetClassPathName() const
{
	return FTopLevelAssetPath(GetOuter() ? GetOuter()->GetFName() : NAME_None, GetFName());
}

FString UClass::GetPrefixCPP() const
{
	const UClass* TheClass = this;
	while (TheClass && !TheClass->HasAnyClassFlags(CLASS_Native))
	{
		TheClass = TheClass->GetSuperClass();
	}
	return TheClass && TheClass->IsChildOf(FindFirstObject<UClass>(TEXT("Actor"))) ? FString(TEXT("A")) : FString(TEXT("U"));
}

void UClass::BeginDestroy()
{
	ClassDefaultObject = nullptr;
	UStruct::BeginDestroy();
}

// ---------------------------------------------------------------- registration

void GetPrivateStaticClassBody(const TCHAR* PackageName, const TCHAR* Name, UClass*& ReturnClass, uint32 InSize, uint32 InAlignment, EClassFlags InClassFlags, EClassCastFlags InClassCastFlags, const TCHAR* InConfigName, UClass::ClassConstructorType InClassConstructor, UClass::StaticClassFunctionType InSuperClassFn)
{
	void* Memory = AllocateObjectMemory(sizeof(UClass), alignof(UClass));
	// Assigned before anything else so recursive StaticClass() calls see the class under construction.
	ReturnClass = new ((EInternal)(UPTRINT)Memory) UClass(EC_StaticConstructor, FName(Name), InSize, InAlignment, (EClassFlags)(InClassFlags | CLASS_Native), InClassCastFlags, InConfigName,
		(EObjectFlags)(RF_Public | RF_Standalone | RF_Transient | RF_MarkAsNative | RF_MarkAsRootSet), InClassConstructor);
	UClass* Class = ReturnClass;
	UClass* SuperClass = InSuperClassFn ? InSuperClassFn() : nullptr;
	if (SuperClass && SuperClass != Class)
	{
		Class->UStruct::SetSuperStruct(SuperClass);
		Class->ClassFlags |= (SuperClass->ClassFlags & CLASS_Inherit);
		if (Class->ClassConfigName.IsNone())
		{
			Class->ClassConfigName = SuperClass->ClassConfigName;
		}
	}
	UClass* ClassOfClasses = UClass::StaticClass();
	UPackage* Package = CreatePackage(PackageName);
	Class->RegisterNative(ClassOfClasses, Package, FName(Name));
	Class->AddToRoot();
}

UClass* FindNativeClass(const TCHAR* PackageName, const TCHAR* ClassName)
{
	UPackage* Package = FindPackage(nullptr, PackageName);
	return Package ? FindObjectFast<UClass>(Package, FName(ClassName)) : nullptr;
}
