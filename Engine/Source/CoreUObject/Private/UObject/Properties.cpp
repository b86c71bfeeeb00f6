#include "UObject/UnrealType.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/PropertyText.h"
#include "UObject/ObjectTable.h"

#include <cmath>
#include <cstdlib>
#include <string>

using namespace UE::CoreUObject::Private;

IMPLEMENT_FIELD(FProperty)
IMPLEMENT_FIELD(FNumericProperty)
IMPLEMENT_FIELD(FInt8Property)
IMPLEMENT_FIELD(FInt16Property)
IMPLEMENT_FIELD(FIntProperty)
IMPLEMENT_FIELD(FInt64Property)
IMPLEMENT_FIELD(FUInt16Property)
IMPLEMENT_FIELD(FUInt32Property)
IMPLEMENT_FIELD(FUInt64Property)
IMPLEMENT_FIELD(FFloatProperty)
IMPLEMENT_FIELD(FDoubleProperty)
IMPLEMENT_FIELD(FByteProperty)
IMPLEMENT_FIELD(FBoolProperty)
IMPLEMENT_FIELD(FStrProperty)
IMPLEMENT_FIELD(FNameProperty)
IMPLEMENT_FIELD(FTextProperty)
IMPLEMENT_FIELD(FObjectPropertyBase)
IMPLEMENT_FIELD(FObjectProperty)
IMPLEMENT_FIELD(FClassProperty)
IMPLEMENT_FIELD(FWeakObjectProperty)
IMPLEMENT_FIELD(FSoftObjectProperty)
IMPLEMENT_FIELD(FSoftClassProperty)
IMPLEMENT_FIELD(FInterfaceProperty)
IMPLEMENT_FIELD(FStructProperty)
IMPLEMENT_FIELD(FEnumProperty)
IMPLEMENT_FIELD(FArrayProperty)
IMPLEMENT_FIELD(FMapProperty)
IMPLEMENT_FIELD(FDelegateProperty)
IMPLEMENT_FIELD(FMulticastDelegateProperty)
IMPLEMENT_FIELD(FMulticastInlineDelegateProperty)

// ---------------------------------------------------------------- FProperty

FProperty::FProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, int32 InElementSize)
	: FField(InOwner, InName, InObjectFlags)
	, ElementSize(InElementSize)
	, PropertyFlags(InFlags)
	, Offset_Internal(InOffset)
{
	ClassPrivate = FProperty::StaticClass();
}

const TCHAR* FProperty::ImportText_Direct(const TCHAR* Buffer, void* PropertyPtr, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	if (!Buffer)
	{
		return nullptr;
	}
	return ImportText_Internal(Buffer, PropertyPtr, OwnerObject, PortFlags, ErrorText);
}

bool FProperty::SameType(const FProperty* Other) const
{
	if (!Other || GetClass() != Other->GetClass())
	{
		return false;
	}
	if (const FObjectPropertyBase* AsObject = CastField<FObjectPropertyBase>(this))
	{
		return AsObject->PropertyClass == ((const FObjectPropertyBase*)Other)->PropertyClass;
	}
	if (const FStructProperty* AsStruct = CastField<FStructProperty>(this))
	{
		return AsStruct->Struct == ((const FStructProperty*)Other)->Struct;
	}
	if (const FArrayProperty* AsArray = CastField<FArrayProperty>(this))
	{
		return AsArray->Inner->SameType(((const FArrayProperty*)Other)->Inner);
	}
	if (const FEnumProperty* AsEnum = CastField<FEnumProperty>(this))
	{
		return AsEnum->GetEnum() == ((const FEnumProperty*)Other)->GetEnum();
	}
	return true;
}

bool FProperty::ShouldPort(uint32 PortFlags) const
{
	if (HasAnyPropertyFlags(CPF_Transient) && !(PortFlags & (PPF_Copy | PPF_IncludeTransient | PPF_Duplicate)) && (PortFlags & PPF_ParsingDefaultProperties))
	{
		return false;
	}
	return true;
}

// ---------------------------------------------------------------- numbers

namespace
{
	/** Reads a decimal integer (or 0x hex); null when there are no digits. */
	template<typename T>
	const TCHAR* ReadInteger(const TCHAR* Buffer, T& Out)
	{
		Buffer = SkipWhitespace(Buffer);
		const TCHAR* Cursor = Buffer;
		bool bNegative = false;
		if (*Cursor == TEXT('+') || *Cursor == TEXT('-'))
		{
			bNegative = *Cursor == TEXT('-');
			++Cursor;
		}
		int Base = 10;
		if (Cursor[0] == TEXT('0') && (Cursor[1] == TEXT('x') || Cursor[1] == TEXT('X')))
		{
			Base = 16;
			Cursor += 2;
		}
		unsigned long long Value = 0;
		const TCHAR* DigitsStart = Cursor;
		for (;; ++Cursor)
		{
			int Digit = -1;
			if (*Cursor >= TEXT('0') && *Cursor <= TEXT('9'))
			{
				Digit = *Cursor - TEXT('0');
			}
			else if (Base == 16 && *Cursor >= TEXT('a') && *Cursor <= TEXT('f'))
			{
				Digit = *Cursor - TEXT('a') + 10;
			}
			else if (Base == 16 && *Cursor >= TEXT('A') && *Cursor <= TEXT('F'))
			{
				Digit = *Cursor - TEXT('A') + 10;
			}
			if (Digit < 0)
			{
				break;
			}
			Value = Value * (unsigned long long)Base + (unsigned long long)Digit;
		}
		if (Cursor == DigitsStart)
		{
			return nullptr;
		}
		// Negated as unsigned: the negation of the smallest 64-bit number does not fit a signed one.
		Out = bNegative ? (T)(0ull - Value) : (T)Value;
		return Cursor;
	}

	/** Reads a floating-point number (an 'f' suffix is accepted); null when there is none. */
	template<typename T>
	const TCHAR* ReadFloat(const TCHAR* Buffer, T& Out)
	{
		Buffer = SkipWhitespace(Buffer);
		// Infinities and NaNs as FString::SanitizeFloat writes them ("inf", "-nan"), read as the C library reads them:
		// a value that overflowed on import was written back as "inf" and could not be read again.
		const TCHAR* Word = (*Buffer == TEXT('+') || *Buffer == TEXT('-')) ? Buffer + 1 : Buffer;
		const bool bNegative = *Buffer == TEXT('-');
		if (FCString::Strnicmp(Word, TEXT("inf"), 3) == 0)
		{
			Out = (T)(bNegative ? -HUGE_VAL : HUGE_VAL);
			return Word + (FCString::Strnicmp(Word, TEXT("infinity"), 8) == 0 ? 8 : 3);
		}
		if (FCString::Strnicmp(Word, TEXT("nan"), 3) == 0)
		{
			Out = (T)(bNegative ? -NAN : NAN);
			return Word + 3;
		}
		std::string Ascii;
		const TCHAR* Cursor = Buffer;
		while ((*Cursor >= TEXT('0') && *Cursor <= TEXT('9')) || *Cursor == TEXT('.') || *Cursor == TEXT('-') || *Cursor == TEXT('+') || *Cursor == TEXT('e') || *Cursor == TEXT('E'))
		{
			Ascii.push_back((char)*Cursor);
			++Cursor;
		}
		if (Ascii.empty())
		{
			return nullptr;
		}
		char* End = nullptr;
		const double Value = std::strtod(Ascii.c_str(), &End);
		if (End == Ascii.c_str())
		{
			return nullptr;
		}
		Cursor = Buffer + (End - Ascii.c_str());
		if (*Cursor == TEXT('f') || *Cursor == TEXT('F'))
		{
			++Cursor;
		}
		Out = (T)Value;
		return Cursor;
	}
}

template<typename InTCppType>
void TProperty_Numeric<InTCppType>::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	const TCppType Value = *(const TCppType*)PropertyValue;
	if constexpr (std::is_floating_point_v<TCppType>)
	{
		ValueStr += FString::SanitizeFloat((double)Value);
	}
	else if constexpr (std::is_signed_v<TCppType>)
	{
		ValueStr += FString::Printf(TEXT("%lld"), (long long)Value);
	}
	else
	{
		ValueStr += FString::Printf(TEXT("%llu"), (unsigned long long)Value);
	}
}

template<typename InTCppType>
const TCHAR* TProperty_Numeric<InTCppType>::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	TCppType Value{};
	const TCHAR* Result = nullptr;
	if constexpr (std::is_floating_point_v<TCppType>)
	{
		Result = ReadFloat(Buffer, Value);
	}
	else
	{
		Result = ReadInteger(Buffer, Value);
	}
	if (!Result)
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: '%s' is not a number"), *this->GetName(), Buffer));
		return nullptr;
	}
	*(TCppType*)Data = Value;
	return Result;
}

template class TProperty_Numeric<int8>;
template class TProperty_Numeric<int16>;
template class TProperty_Numeric<int32>;
template class TProperty_Numeric<int64>;
template class TProperty_Numeric<uint8>;
template class TProperty_Numeric<uint16>;
template class TProperty_Numeric<uint32>;
template class TProperty_Numeric<uint64>;
template class TProperty_Numeric<float>;
template class TProperty_Numeric<double>;

// ---------------------------------------------------------------- byte and enum

FByteProperty::FByteProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UEnum* InEnum)
	: TProperty_Numeric<uint8>(InOwner, InName, InObjectFlags, InOffset, InFlags)
	, Enum(InEnum)
{
	ClassPrivate = StaticClass();
}

FString FByteProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	if (Enum)
	{
		return Enum->GetCppForm() == UEnum::ECppForm::EnumClass ? Enum->GetName() : FString::Printf(TEXT("TEnumAsByte<%s>"), *Enum->GetName());
	}
	return FString(TEXT("uint8"));
}

void FByteProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	const uint8 Value = *(const uint8*)PropertyValue;
	if (Enum && Enum->IsValidEnumValue(Value))
	{
		ValueStr += Enum->GetNameStringByValue(Value);
		return;
	}
	TProperty_Numeric<uint8>::ExportTextItem_Direct(ValueStr, PropertyValue, DefaultValue, Parent, PortFlags, ExportRootScope);
}

const TCHAR* FByteProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	if (Enum)
	{
		FString Token;
		const TCHAR* After = ReadIdentifier(SkipWhitespace(Buffer), Token, true);
		const int64 Value = Token.IsEmpty() ? INDEX_NONE : Enum->GetValueByNameString(Token);
		if (Value != INDEX_NONE)
		{
			*(uint8*)Data = (uint8)Value;
			return After;
		}
	}
	return TProperty_Numeric<uint8>::ImportText_Internal(Buffer, Data, OwnerObject, PortFlags, ErrorText);
}

FEnumProperty::FEnumProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UEnum* InEnum)
	: FProperty(InOwner, InName, InObjectFlags, InOffset, InFlags, 0)
	, Enum(InEnum)
{
	ClassPrivate = StaticClass();
}

FEnumProperty::~FEnumProperty()
{
	delete UnderlyingProp;
}

void FEnumProperty::AddCppProperty(FProperty* Inner)
{
	checkf(UnderlyingProp == nullptr, TEXT("Enum property %s already has an underlying property"), *GetName());
	UnderlyingProp = CastFieldChecked<FNumericProperty>(Inner);
	ElementSize = UnderlyingProp->ElementSize;
	MinAlignment = UnderlyingProp->GetMinAlignment();
}

FString FEnumProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return Enum ? Enum->GetName() : FString(TEXT("uint8"));
}

void FEnumProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	const int64 Value = UnderlyingProp->GetSignedIntPropertyValue(PropertyValue);
	if (Enum && Enum->IsValidEnumValue(Value))
	{
		ValueStr += Enum->GetNameStringByValue(Value);
		return;
	}
	ValueStr += FString::Printf(TEXT("%lld"), (long long)Value);
}

const TCHAR* FEnumProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FString Token;
	const TCHAR* After = ReadIdentifier(SkipWhitespace(Buffer), Token, true);
	const int64 Value = (Token.IsEmpty() || !Enum) ? INDEX_NONE : Enum->GetValueByNameString(Token);
	if (Value == INDEX_NONE)
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: '%s' is not a value of %s"), *GetName(), Buffer, Enum ? *Enum->GetName() : TEXT("the enum")));
		return nullptr;
	}
	UnderlyingProp->SetIntPropertyValue(Data, Value);
	return After;
}

void FEnumProperty::InitializeValue(void* Dest) const
{
	UnderlyingProp->InitializeValue(Dest);
}

void FEnumProperty::CopySingleValue(void* Dest, const void* Src) const
{
	UnderlyingProp->CopySingleValue(Dest, Src);
}

bool FEnumProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return UnderlyingProp->Identical(A, B, PortFlags);
}

// ---------------------------------------------------------------- bool

FBoolProperty::FBoolProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, uint32 InBitMask, uint32 InElementSize, bool bIsNativeBool)
	: FProperty(InOwner, InName, InObjectFlags, InOffset, InFlags, (int32)InElementSize)
{
	ClassPrivate = StaticClass();
	SetBoolSize(InElementSize, bIsNativeBool, InBitMask);
}

void FBoolProperty::FindBitfield(void (*SetBit)(void* Container), int32 ContainerSize, int32& OutByteOffset, uint8& OutByteMask)
{
	TArray<uint8> Buffer;
	Buffer.SetNumZeroed(ContainerSize);
	SetBit(Buffer.GetData());
	for (int32 Index = 0; Index < ContainerSize; ++Index)
	{
		if (Buffer[Index] != 0)
		{
			OutByteOffset = Index;
			OutByteMask = Buffer[Index];
			return;
		}
	}
	checkf(false, TEXT("Bitfield setter set no bit"));
}

void FBoolProperty::SetBoolSize(uint32 InSize, bool bIsNativeBool, uint32 InBitMask)
{
	ElementSize = (int32)InSize;
	MinAlignment = 1;
	FieldSize = (uint8)InSize;
	if (bIsNativeBool)
	{
		ByteOffset = 0;
		ByteMask = 1;
		FieldMask = 0xff;
		return;
	}
	// Bitfields: the mask names a bit of the byte at the offset baked into the property offset.
	ByteOffset = 0;
	ByteMask = (uint8)(InBitMask ? InBitMask : 1);
	FieldMask = ByteMask;
	ElementSize = 1;
}

FString FBoolProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return IsNativeBool() ? FString(TEXT("bool")) : FString(TEXT("uint8"));
}

void FBoolProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	ValueStr += GetPropertyValue(PropertyValue) ? TEXT("True") : TEXT("False");
}

const TCHAR* FBoolProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FString Token;
	const TCHAR* After = ReadIdentifier(SkipWhitespace(Buffer), Token);
	if (Token == TEXT("True") || Token == TEXT("Yes") || Token == TEXT("On") || Token == TEXT("1"))
	{
		SetPropertyValue(Data, true);
		return After;
	}
	if (Token == TEXT("False") || Token == TEXT("No") || Token == TEXT("Off") || Token == TEXT("0"))
	{
		SetPropertyValue(Data, false);
		return After;
	}
	ReportImportError(ErrorText, FString::Printf(TEXT("%s: '%s' is not a boolean (True or False)"), *GetName(), Buffer));
	return nullptr;
}

void FBoolProperty::InitializeValue(void* Dest) const
{
	SetPropertyValue(Dest, false);
}

void FBoolProperty::CopySingleValue(void* Dest, const void* Src) const
{
	SetPropertyValue(Dest, GetPropertyValue(Src));
}

bool FBoolProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return GetPropertyValue(A) == (B ? GetPropertyValue(B) : false);
}

// ---------------------------------------------------------------- strings

FStrProperty::FStrProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags)
	: TProperty<FString, FProperty>(InOwner, InName, InObjectFlags, InOffset, InFlags)
{
	ClassPrivate = StaticClass();
}

void FStrProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	const FString& Value = *(const FString*)PropertyValue;
	if (PortFlags & PPF_Delimited)
	{
		ValueStr += FString(TEXT("\"")) + EscapeString(Value) + TEXT("\"");
	}
	else
	{
		ValueStr += Value;
	}
}

const TCHAR* FStrProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FString Value;
	const TCHAR* After = ReadStringValue(Buffer, PortFlags, Value);
	if (!After)
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: unterminated string"), *GetName()));
		return nullptr;
	}
	*(FString*)Data = Value;
	return After;
}

bool FStrProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return ((const FString*)A)->Equals(B ? *(const FString*)B : FString(), ESearchCase::CaseSensitive);
}

FNameProperty::FNameProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags)
	: TProperty<FName, FProperty>(InOwner, InName, InObjectFlags, InOffset, InFlags)
{
	ClassPrivate = StaticClass();
}

void FNameProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	const FName Value = *(const FName*)PropertyValue;
	if (!(PortFlags & PPF_Delimited))
	{
		ValueStr += Value.ToString();
	}
	else if (!Value.IsNone())
	{
		ValueStr += FString(TEXT("\"")) + EscapeString(Value.ToString()) + TEXT("\"");
	}
}

const TCHAR* FNameProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FString Value;
	const TCHAR* After = ReadStringValue(Buffer, PortFlags, Value);
	if (!After)
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: unterminated name"), *GetName()));
		return nullptr;
	}
	// The engine fails a check on a longer name; text is input, so it is refused here instead.
	if (Value.Len() >= NAME_SIZE)
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: a name of %d characters; names take up to %d"), *GetName(), Value.Len(), NAME_SIZE - 1));
		return nullptr;
	}
	*(FName*)Data = Value.IsEmpty() ? NAME_None : FName(*Value);
	return After;
}

bool FNameProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return *(const FName*)A == (B ? *(const FName*)B : FName());
}

FTextProperty::FTextProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags)
	: TProperty<FText, FProperty>(InOwner, InName, InObjectFlags, InOffset, InFlags)
{
	ClassPrivate = StaticClass();
}

void FTextProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	const FString& Value = ((const FText*)PropertyValue)->ToString();
	if (PortFlags & PPF_Delimited)
	{
		ValueStr += FString(TEXT("\"")) + EscapeString(Value) + TEXT("\"");
	}
	else
	{
		ValueStr += Value;
	}
}

const TCHAR* FTextProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	// NSLOCTEXT("Ns", "Key", "Source"), LOCTEXT("Key", "Source") and INVTEXT("Source") carry the source last.
	const TCHAR* Start = SkipWhitespace(Buffer);
	FString Macro;
	const TCHAR* AfterMacro = ReadIdentifier(Start, Macro);
	if ((Macro == TEXT("NSLOCTEXT") || Macro == TEXT("LOCTEXT") || Macro == TEXT("INVTEXT")) && *SkipWhitespace(AfterMacro) == TEXT('('))
	{
		const TCHAR* Cursor = SkipWhitespace(AfterMacro) + 1;
		FString Argument;
		for (;;)
		{
			Cursor = SkipWhitespace(Cursor);
			if (*Cursor != TEXT('"') || !(Cursor = ReadQuotedString(Cursor, Argument)))
			{
				ReportImportError(ErrorText, FString::Printf(TEXT("%s: malformed %s"), *GetName(), *Macro));
				return nullptr;
			}
			Cursor = SkipWhitespace(Cursor);
			if (*Cursor == TEXT(','))
			{
				++Cursor;
				continue;
			}
			if (*Cursor == TEXT(')'))
			{
				*(FText*)Data = Macro == TEXT("INVTEXT") ? FText::AsCultureInvariant(Argument) : FText::FromString(Argument);
				return Cursor + 1;
			}
			ReportImportError(ErrorText, FString::Printf(TEXT("%s: malformed %s"), *GetName(), *Macro));
			return nullptr;
		}
	}
	FString Value;
	const TCHAR* After = ReadStringValue(Buffer, PortFlags, Value);
	if (!After)
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: unterminated text"), *GetName()));
		return nullptr;
	}
	*(FText*)Data = FText::FromString(Value);
	return After;
}

bool FTextProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return ((const FText*)A)->ToString().Equals(B ? ((const FText*)B)->ToString() : FString(), ESearchCase::CaseSensitive);
}

// ---------------------------------------------------------------- object references

FObjectPropertyBase::FObjectPropertyBase(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, int32 InElementSize, UClass* InClass)
	: FProperty(InOwner, InName, InObjectFlags, InOffset, InFlags, InElementSize)
	, PropertyClass(InClass)
{
	ClassPrivate = StaticClass();
	MinAlignment = alignof(void*);
}

FString FObjectPropertyBase::GetExportPath(const UObject* Object)
{
	return Object ? Object->GetPathName() : FString(TEXT("None"));
}

void FObjectPropertyBase::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	ValueStr += GetExportPath(GetObjectPropertyValue(PropertyValue));
}

UObject* FObjectPropertyBase::FindImportedObject(const FProperty* Property, UObject* OwnerObject, UClass* ObjectClass, UClass* RequiredMetaClass, const TCHAR* Text, uint32 InPortFlags)
{
	UObject* Result = StaticFindObject(ObjectClass, nullptr, Text);
	if (!Result && FString(Text).StartsWith(TEXT("/")))
	{
		Result = StaticLoadObject(ObjectClass, nullptr, Text, nullptr, LOAD_NoWarn);
	}
	if (Result && RequiredMetaClass)
	{
		UClass* AsClass = dynamic_cast<UClass*>(Result);
		if (!AsClass || !AsClass->IsChildOf(RequiredMetaClass))
		{
			return nullptr;
		}
	}
	return Result;
}

bool FObjectPropertyBase::AllowObject(UObject* Object, FOutputDevice* ErrorText) const
{
	if (PropertyClass && !Object->IsA(PropertyClass))
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: %s is not a %s"), *GetName(), *Object->GetFullName(), *PropertyClass->GetName()));
		return false;
	}
	return true;
}

const TCHAR* FObjectPropertyBase::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FString Token;
	const TCHAR* After;
	if (PortFlags & PPF_Delimited)
	{
		After = ReadDelimitedToken(Buffer, Token);
	}
	else
	{
		Token = FString(Buffer).TrimStartAndEnd();
		After = Buffer + FCString::Strlen(Buffer);
	}
	if (Token.Len() >= 2 && Token[0] == TEXT('"') && Token[Token.Len() - 1] == TEXT('"'))
	{
		Token = Token.Mid(1, Token.Len() - 2);
	}
	if (Token.IsEmpty() || Token == TEXT("None"))
	{
		SetObjectPropertyValue(Data, nullptr);
		return After;
	}
	UObject* Object = FindImportedObject(this, OwnerObject, PropertyClass, nullptr, *Token, PortFlags);
	if (!Object)
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: no object '%s'"), *GetName(), *Token));
		return nullptr;
	}
	if (!AllowObject(Object, ErrorText))
	{
		return nullptr;
	}
	SetObjectPropertyValue(Data, Object);
	return After;
}

bool FObjectPropertyBase::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return GetObjectPropertyValue(A) == (B ? GetObjectPropertyValue(B) : nullptr);
}

static FString ClassCppName(const UClass* Class)
{
	return Class ? Class->GetPrefixCPP() + Class->GetName() : FString(TEXT("UObject"));
}

FObjectProperty::FObjectProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UClass* InClass)
	: FObjectPropertyBase(InOwner, InName, InObjectFlags, InOffset, InFlags, sizeof(UObject*), InClass)
{
	ClassPrivate = StaticClass();
}

FString FObjectProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return ClassCppName(PropertyClass) + TEXT("*");
}

FClassProperty::FClassProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UClass* InMetaClass)
	: FObjectProperty(InOwner, InName, InObjectFlags, InOffset, InFlags, UClass::StaticClass())
	, MetaClass(InMetaClass)
{
	ClassPrivate = StaticClass();
}

FString FClassProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return FString::Printf(TEXT("TSubclassOf<%s>"), *ClassCppName(MetaClass));
}

bool FClassProperty::AllowObject(UObject* Object, FOutputDevice* ErrorText) const
{
	UClass* AsClass = dynamic_cast<UClass*>(Object);
	if (!AsClass || (MetaClass && !AsClass->IsChildOf(MetaClass)))
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: %s is not a class derived from %s"), *GetName(), *Object->GetPathName(), MetaClass ? *MetaClass->GetName() : TEXT("Object")));
		return false;
	}
	return true;
}

FWeakObjectProperty::FWeakObjectProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UClass* InClass)
	: FObjectPropertyBase(InOwner, InName, InObjectFlags, InOffset, InFlags, sizeof(FWeakObjectPtr), InClass)
{
	ClassPrivate = StaticClass();
	MinAlignment = alignof(FWeakObjectPtr);
}

FString FWeakObjectProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return FString::Printf(TEXT("TWeakObjectPtr<%s>"), *ClassCppName(PropertyClass));
}

FSoftObjectProperty::FSoftObjectProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UClass* InClass)
	: FObjectPropertyBase(InOwner, InName, InObjectFlags, InOffset, InFlags, sizeof(FSoftObjectPtr), InClass)
{
	ClassPrivate = StaticClass();
	MinAlignment = alignof(FSoftObjectPtr);
}

FString FSoftObjectProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return FString::Printf(TEXT("TSoftObjectPtr<%s>"), *ClassCppName(PropertyClass));
}

void FSoftObjectProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	((const FSoftObjectPtr*)PropertyValue)->ToSoftObjectPath().ExportTextItem(ValueStr, FSoftObjectPath(), Parent, PortFlags, ExportRootScope);
}

const TCHAR* FSoftObjectProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FSoftObjectPath Path;
	const TCHAR* Cursor = Buffer;
	if (!Path.ImportTextItem(Cursor, PortFlags, OwnerObject, ErrorText))
	{
		return nullptr;
	}
	*(FSoftObjectPtr*)Data = Path;
	return Cursor;
}

bool FSoftObjectProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return *(const FSoftObjectPtr*)A == (B ? *(const FSoftObjectPtr*)B : FSoftObjectPtr());
}

FSoftClassProperty::FSoftClassProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UClass* InMetaClass)
	: FSoftObjectProperty(InOwner, InName, InObjectFlags, InOffset, InFlags, UClass::StaticClass())
	, MetaClass(InMetaClass)
{
	ClassPrivate = StaticClass();
}

FString FSoftClassProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return FString::Printf(TEXT("TSoftClassPtr<%s>"), *ClassCppName(MetaClass));
}

FInterfaceProperty::FInterfaceProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UClass* InInterfaceClass)
	: FProperty(InOwner, InName, InObjectFlags, InOffset, InFlags, sizeof(void*) * 2)
	, InterfaceClass(InInterfaceClass)
{
	ClassPrivate = StaticClass();
	MinAlignment = alignof(void*);
}

FString FInterfaceProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return FString::Printf(TEXT("TScriptInterface<I%s>"), InterfaceClass ? *InterfaceClass->GetName() : TEXT("Interface"));
}

namespace
{
	/** TScriptInterface's layout: object pointer, then interface pointer. */
	struct FScriptInterfaceLayout
	{
		UObject* Object;
		void* Interface;
	};
}

void FInterfaceProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	ValueStr += FObjectPropertyBase::GetExportPath(((const FScriptInterfaceLayout*)PropertyValue)->Object);
}

const TCHAR* FInterfaceProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FString Token;
	const TCHAR* After = (PortFlags & PPF_Delimited) ? ReadDelimitedToken(Buffer, Token) : (Token = FString(Buffer).TrimStartAndEnd(), Buffer + FCString::Strlen(Buffer));
	FScriptInterfaceLayout& Value = *(FScriptInterfaceLayout*)Data;
	if (Token.IsEmpty() || Token == TEXT("None"))
	{
		Value.Object = nullptr;
		Value.Interface = nullptr;
		return After;
	}
	UObject* Object = FObjectPropertyBase::FindImportedObject(this, OwnerObject, UObject::StaticClass(), nullptr, *Token, PortFlags);
	if (!Object || (InterfaceClass && !Object->GetClass()->ImplementsInterface(InterfaceClass)))
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: '%s' is not an object implementing %s"), *GetName(), *Token, InterfaceClass ? *InterfaceClass->GetName() : TEXT("the interface")));
		return nullptr;
	}
	Value.Object = Object;
	Value.Interface = InterfaceClass ? Object->GetNativeInterfaceAddress(InterfaceClass) : nullptr;
	return After;
}

void FInterfaceProperty::InitializeValue(void* Dest) const
{
	*(FScriptInterfaceLayout*)Dest = FScriptInterfaceLayout{ nullptr, nullptr };
}

void FInterfaceProperty::CopySingleValue(void* Dest, const void* Src) const
{
	*(FScriptInterfaceLayout*)Dest = *(const FScriptInterfaceLayout*)Src;
}

bool FInterfaceProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return ((const FScriptInterfaceLayout*)A)->Object == (B ? ((const FScriptInterfaceLayout*)B)->Object : nullptr);
}

// ---------------------------------------------------------------- structs

FStructProperty::FStructProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UScriptStruct* InStruct)
	: FProperty(InOwner, InName, InObjectFlags, InOffset, InFlags, InStruct ? InStruct->GetStructureSize() : 0)
	, Struct(InStruct)
{
	ClassPrivate = StaticClass();
	checkf(InStruct != nullptr, TEXT("Struct property %s has no struct"), *InName.ToString());
	MinAlignment = InStruct->GetMinAlignment();
}

FString FStructProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return Struct->GetStructCPPName();
}

void FStructProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	Struct->ExportText(ValueStr, PropertyValue, DefaultValue, Parent, PortFlags, ExportRootScope);
}

const TCHAR* FStructProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	return Struct->ImportText(Buffer, Data, OwnerObject, PortFlags, ErrorText, GetName());
}

void FStructProperty::InitializeValue(void* Dest) const
{
	Struct->InitializeStruct(Dest);
}

void FStructProperty::DestroyValue(void* Dest) const
{
	Struct->DestroyStruct(Dest);
}

void FStructProperty::CopySingleValue(void* Dest, const void* Src) const
{
	Struct->CopyScriptStruct(Dest, Src);
}

bool FStructProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	if (!B)
	{
		TArray<uint8> Defaults;
		Defaults.SetNumZeroed(Struct->GetStructureSize());
		Struct->InitializeStruct(Defaults.GetData());
		const bool bResult = Struct->CompareScriptStruct(A, Defaults.GetData(), PortFlags);
		Struct->DestroyStruct(Defaults.GetData());
		return bResult;
	}
	return Struct->CompareScriptStruct(A, B, PortFlags);
}

void UStruct::ExportText(FString& ValueStr, const void* Value, const void* Defaults, UObject* OwnerObject, int32 PortFlags, UObject* ExportRootScope, bool bAllowNativeOverride) const
{
	FString Fields;
	bool bFirst = true;
	for (TFieldIterator<FProperty> It(this); It; ++It)
	{
		if (!It->ShouldPort(PortFlags))
		{
			continue;
		}
		for (int32 Index = 0; Index < It->ArrayDim; ++Index)
		{
			// Fields equal to the given defaults are left out, as the engine does for deltas.
			if (Defaults && It->Identical_InContainer(Value, Defaults, Index, PortFlags))
			{
				continue;
			}
			if (!bFirst)
			{
				Fields += TEXT(",");
			}
			bFirst = false;
			Fields += It->ArrayDim > 1 ? FString::Printf(TEXT("%s[%d]="), *It->GetName(), Index) : It->GetName() + TEXT("=");
			It->ExportTextItem_Direct(Fields, It->ContainerPtrToValuePtr<void>(Value, Index), nullptr, OwnerObject, PortFlags | PPF_Delimited, ExportRootScope);
		}
	}
	ValueStr += FString(TEXT("(")) + Fields + TEXT(")");
}

const TCHAR* UStruct::ImportText(const TCHAR* Buffer, void* Value, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText, const FString& StructName, bool bAllowNativeOverride) const
{
	const TCHAR* Cursor = SkipWhitespace(Buffer);
	if (*Cursor != TEXT('('))
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: expected '(' to start a %s value"), *StructName, *GetName()));
		return nullptr;
	}
	++Cursor;
	for (;;)
	{
		Cursor = SkipWhitespace(Cursor);
		if (*Cursor == TEXT(')'))
		{
			return Cursor + 1;
		}
		FString FieldName;
		Cursor = ReadIdentifier(Cursor, FieldName);
		int32 ArrayIndex = 0;
		if (*Cursor == TEXT('['))
		{
			const TCHAR* IndexStart = Cursor + 1;
			Cursor = ReadInteger(IndexStart, ArrayIndex);
			if (!Cursor || *Cursor != TEXT(']'))
			{
				ReportImportError(ErrorText, FString::Printf(TEXT("%s: malformed index of field %s"), *StructName, *FieldName));
				return nullptr;
			}
			++Cursor;
		}
		Cursor = SkipWhitespace(Cursor);
		if (FieldName.IsEmpty() || *Cursor != TEXT('='))
		{
			ReportImportError(ErrorText, FString::Printf(TEXT("%s: expected Field=Value in a %s value"), *StructName, *GetName()));
			return nullptr;
		}
		++Cursor;
		// No field has a name too long to be a name, and making one would fail the name check.
		FProperty* Field = FieldName.Len() < NAME_SIZE ? FindPropertyByName(FName(*FieldName)) : nullptr;
		if (!Field || ArrayIndex < 0 || ArrayIndex >= Field->ArrayDim)
		{
			ReportImportError(ErrorText, FString::Printf(TEXT("%s: %s has no field '%s'"), *StructName, *GetName(), *FieldName));
			return nullptr;
		}
		Cursor = Field->ImportText_Direct(SkipWhitespace(Cursor), Field->ContainerPtrToValuePtr<void>(Value, ArrayIndex), OwnerObject, PortFlags | PPF_Delimited, ErrorText);
		if (!Cursor)
		{
			return nullptr;
		}
		Cursor = SkipWhitespace(Cursor);
		if (*Cursor == TEXT(','))
		{
			++Cursor;
			continue;
		}
		if (*Cursor != TEXT(')'))
		{
			ReportImportError(ErrorText, FString::Printf(TEXT("%s: expected ',' or ')' after field %s"), *StructName, *FieldName));
			return nullptr;
		}
	}
}

void UScriptStruct::ExportText(FString& ValueStr, const void* Value, const void* Defaults, UObject* OwnerObject, int32 PortFlags, UObject* ExportRootScope, bool bAllowNativeOverride) const
{
	if (bAllowNativeOverride && CppStructOps && CppStructOps->HasExportTextItem())
	{
		if (CppStructOps->ExportTextItem(ValueStr, Value, Defaults, OwnerObject, PortFlags, ExportRootScope))
		{
			return;
		}
	}
	UStruct::ExportText(ValueStr, Value, Defaults, OwnerObject, PortFlags, ExportRootScope, bAllowNativeOverride);
}

const TCHAR* UScriptStruct::ImportText(const TCHAR* Buffer, void* Value, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText, const FString& StructName, bool bAllowNativeOverride) const
{
	if (bAllowNativeOverride && CppStructOps && CppStructOps->HasImportTextItem())
	{
		const TCHAR* Cursor = SkipWhitespace(Buffer);
		const TCHAR* Start = Cursor;
		if (CppStructOps->ImportTextItem(Cursor, Value, PortFlags, OwnerObject, ErrorText))
		{
			return Cursor;
		}
		Buffer = Start;
	}
	return UStruct::ImportText(Buffer, Value, OwnerObject, PortFlags, ErrorText, StructName, bAllowNativeOverride);
}

// ---------------------------------------------------------------- containers

FArrayProperty::FArrayProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, const FScriptArrayOps* InOps)
	: FProperty(InOwner, InName, InObjectFlags, InOffset, InFlags, InOps->Size)
	, ArrayOps(InOps)
{
	ClassPrivate = StaticClass();
	MinAlignment = InOps->Alignment;
}

FArrayProperty::~FArrayProperty()
{
	delete Inner;
}

void FArrayProperty::AddCppProperty(FProperty* InInner)
{
	checkf(Inner == nullptr, TEXT("Array property %s already has an element property"), *GetName());
	Inner = InInner;
}

FString FArrayProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return FString::Printf(TEXT("TArray<%s>"), *Inner->GetCPPType());
}

void FArrayProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	FScriptArrayHelper Helper(this, PropertyValue);
	ValueStr += TEXT("(");
	for (int32 Index = 0; Index < Helper.Num(); ++Index)
	{
		if (Index > 0)
		{
			ValueStr += TEXT(",");
		}
		Inner->ExportTextItem_Direct(ValueStr, Helper.GetRawPtr(Index), nullptr, Parent, PortFlags | PPF_Delimited, ExportRootScope);
	}
	ValueStr += TEXT(")");
}

const TCHAR* FArrayProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	const TCHAR* Cursor = SkipWhitespace(Buffer);
	if (*Cursor != TEXT('('))
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: expected '(' to start an array"), *GetName()));
		return nullptr;
	}
	++Cursor;
	FScriptArrayHelper Helper(this, Data);
	Helper.EmptyValues();
	Cursor = SkipWhitespace(Cursor);
	if (*Cursor == TEXT(')'))
	{
		return Cursor + 1;
	}
	for (;;)
	{
		const int32 Index = Helper.AddValue();
		Cursor = Inner->ImportText_Direct(SkipWhitespace(Cursor), Helper.GetRawPtr(Index), OwnerObject, PortFlags | PPF_Delimited, ErrorText);
		if (!Cursor)
		{
			return nullptr;
		}
		Cursor = SkipWhitespace(Cursor);
		if (*Cursor == TEXT(','))
		{
			++Cursor;
			continue;
		}
		if (*Cursor == TEXT(')'))
		{
			return Cursor + 1;
		}
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: expected ',' or ')' in an array"), *GetName()));
		return nullptr;
	}
}

bool FArrayProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	FScriptArrayHelper HelperA(this, A);
	if (!B)
	{
		return HelperA.Num() == 0;
	}
	FScriptArrayHelper HelperB(this, B);
	if (HelperA.Num() != HelperB.Num())
	{
		return false;
	}
	for (int32 Index = 0; Index < HelperA.Num(); ++Index)
	{
		if (!Inner->Identical(HelperA.GetRawPtr(Index), HelperB.GetRawPtr(Index), PortFlags))
		{
			return false;
		}
	}
	return true;
}

FMapProperty::FMapProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, const FScriptMapOps* InOps)
	: FProperty(InOwner, InName, InObjectFlags, InOffset, InFlags, InOps->Size)
	, MapOps(InOps)
{
	ClassPrivate = StaticClass();
	MinAlignment = InOps->Alignment;
}

FMapProperty::~FMapProperty()
{
	delete KeyProp;
	delete ValueProp;
}

void FMapProperty::AddCppProperty(FProperty* Property)
{
	if (!KeyProp)
	{
		KeyProp = Property;
		return;
	}
	checkf(ValueProp == nullptr, TEXT("Map property %s already has key and value properties"), *GetName());
	ValueProp = Property;
}

FString FMapProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return FString::Printf(TEXT("TMap<%s,%s>"), *KeyProp->GetCPPType(), *ValueProp->GetCPPType());
}

namespace
{
	struct FMapExportContext
	{
		const FMapProperty* Property;
		FString* Out;
		UObject* Parent;
		int32 PortFlags;
		bool bFirst;
	};
}

void FMapProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	FMapExportContext Context{ this, &ValueStr, Parent, PortFlags | PPF_Delimited, true };
	ValueStr += TEXT("(");
	MapOps->ForEachPair(
		PropertyValue, [](void* InContext, const void* Key, const void* Value) {
			FMapExportContext& Ctx = *(FMapExportContext*)InContext;
			if (!Ctx.bFirst)
			{
				*Ctx.Out += TEXT(",");
			}
			Ctx.bFirst = false;
			*Ctx.Out += TEXT("(");
			Ctx.Property->KeyProp->ExportTextItem_Direct(*Ctx.Out, Key, nullptr, Ctx.Parent, Ctx.PortFlags);
			*Ctx.Out += TEXT(",");
			Ctx.Property->ValueProp->ExportTextItem_Direct(*Ctx.Out, Value, nullptr, Ctx.Parent, Ctx.PortFlags);
			*Ctx.Out += TEXT(")");
		},
		&Context);
	ValueStr += TEXT(")");
}

const TCHAR* FMapProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	const TCHAR* Cursor = SkipWhitespace(Buffer);
	if (*Cursor != TEXT('('))
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: expected '(' to start a map"), *GetName()));
		return nullptr;
	}
	++Cursor;
	MapOps->Empty(Data);
	TArray<uint8> KeyBuffer;
	KeyBuffer.SetNumZeroed(KeyProp->GetSize() + 16);
	for (;;)
	{
		Cursor = SkipWhitespace(Cursor);
		if (*Cursor == TEXT(')'))
		{
			return Cursor + 1;
		}
		if (*Cursor != TEXT('('))
		{
			ReportImportError(ErrorText, FString::Printf(TEXT("%s: expected '(Key,Value)' in a map"), *GetName()));
			return nullptr;
		}
		KeyProp->InitializeValue(KeyBuffer.GetData());
		Cursor = KeyProp->ImportText_Direct(SkipWhitespace(Cursor + 1), KeyBuffer.GetData(), OwnerObject, PortFlags | PPF_Delimited, ErrorText);
		if (!Cursor || *(Cursor = SkipWhitespace(Cursor)) != TEXT(','))
		{
			KeyProp->DestroyValue(KeyBuffer.GetData());
			ReportImportError(ErrorText, FString::Printf(TEXT("%s: malformed map key"), *GetName()));
			return nullptr;
		}
		void* ValuePtr = MapOps->FindOrAdd(Data, KeyBuffer.GetData());
		KeyProp->DestroyValue(KeyBuffer.GetData());
		Cursor = ValueProp->ImportText_Direct(SkipWhitespace(Cursor + 1), ValuePtr, OwnerObject, PortFlags | PPF_Delimited, ErrorText);
		if (!Cursor || *(Cursor = SkipWhitespace(Cursor)) != TEXT(')'))
		{
			ReportImportError(ErrorText, FString::Printf(TEXT("%s: malformed map value"), *GetName()));
			return nullptr;
		}
		Cursor = SkipWhitespace(Cursor + 1);
		if (*Cursor == TEXT(','))
		{
			++Cursor;
		}
	}
}

namespace
{
	struct FMapCompareContext
	{
		const FMapProperty* Property;
		const void* Other;
		bool bEqual;
	};
}

bool FMapProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	if (!B)
	{
		return MapOps->Num(A) == 0;
	}
	if (MapOps->Num(A) != MapOps->Num(B))
	{
		return false;
	}
	FMapCompareContext Context{ this, B, true };
	MapOps->ForEachPair(
		A, [](void* InContext, const void* Key, const void* Value) {
			FMapCompareContext& Ctx = *(FMapCompareContext*)InContext;
			const void* OtherValue = Ctx.Property->MapOps->Find(Ctx.Other, Key);
			if (!OtherValue || !Ctx.Property->ValueProp->Identical(Value, OtherValue))
			{
				Ctx.bEqual = false;
			}
		},
		&Context);
	return Context.bEqual;
}

// ---------------------------------------------------------------- delegates

FDelegateProperty::FDelegateProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UFunction* InSignatureFunction)
	: TProperty<FScriptDelegate, FProperty>(InOwner, InName, InObjectFlags, InOffset, InFlags)
	, SignatureFunction(InSignatureFunction)
{
	ClassPrivate = StaticClass();
}

FString FDelegateProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return SignatureFunction ? FString(TEXT("F")) + SignatureFunction->GetName().Replace(TEXT("__DelegateSignature"), TEXT("")) : FString(TEXT("FScriptDelegate"));
}

static FString ExportDelegateBinding(const FScriptDelegate& Delegate)
{
	const UObject* Object = Delegate.GetUObject();
	return Object ? Object->GetPathName() + TEXT(".") + Delegate.GetFunctionName().ToString() : FString(TEXT("None"));
}

/** "Path.To.Object.Function": the object by path, then the function by name. */
static bool ImportDelegateBinding(const FString& Token, FScriptDelegate& Out)
{
	if (Token.IsEmpty() || Token == TEXT("None"))
	{
		Out.Unbind();
		return true;
	}
	int32 Dot = INDEX_NONE;
	if (!Token.FindLastChar(TEXT('.'), Dot))
	{
		return false;
	}
	UObject* Object = StaticFindObject(UObject::StaticClass(), nullptr, *Token.Left(Dot));
	const FName FunctionName(*Token.Mid(Dot + 1));
	if (!Object || !Object->FindFunction(FunctionName))
	{
		return false;
	}
	Out.BindUFunction(Object, FunctionName);
	return true;
}

void FDelegateProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	ValueStr += ExportDelegateBinding(*(const FScriptDelegate*)PropertyValue);
}

const TCHAR* FDelegateProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	FString Token;
	const TCHAR* After = (PortFlags & PPF_Delimited) ? ReadDelimitedToken(Buffer, Token) : (Token = FString(Buffer).TrimStartAndEnd(), Buffer + FCString::Strlen(Buffer));
	if (!ImportDelegateBinding(Token, *(FScriptDelegate*)Data))
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: no object function '%s'"), *GetName(), *Token));
		return nullptr;
	}
	return After;
}

bool FDelegateProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return *(const FScriptDelegate*)A == (B ? *(const FScriptDelegate*)B : FScriptDelegate());
}

FMulticastDelegateProperty::FMulticastDelegateProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UFunction* InSignatureFunction)
	: TProperty<FMulticastScriptDelegate, FProperty>(InOwner, InName, InObjectFlags, InOffset, InFlags)
	, SignatureFunction(InSignatureFunction)
{
	ClassPrivate = StaticClass();
}

FMulticastInlineDelegateProperty::FMulticastInlineDelegateProperty(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags, int32 InOffset, EPropertyFlags InFlags, UFunction* InSignatureFunction)
	: FMulticastDelegateProperty(InOwner, InName, InObjectFlags, InOffset, InFlags, InSignatureFunction)
{
	ClassPrivate = StaticClass();
}

FString FMulticastDelegateProperty::GetCPPType(FString* ExtendedTypeText, uint32 CPPExportFlags) const
{
	return SignatureFunction ? FString(TEXT("F")) + SignatureFunction->GetName().Replace(TEXT("__DelegateSignature"), TEXT("")) : FString(TEXT("FMulticastScriptDelegate"));
}

void FMulticastDelegateProperty::AddDelegate(FScriptDelegate ScriptDelegate, UObject* Parent, void* PropertyValue) const
{
	FMulticastScriptDelegate* Delegate = (FMulticastScriptDelegate*)(PropertyValue ? PropertyValue : ContainerPtrToValuePtr<void>(Parent));
	Delegate->AddUnique(ScriptDelegate);
}

void FMulticastDelegateProperty::RemoveDelegate(const FScriptDelegate& ScriptDelegate, UObject* Parent, void* PropertyValue) const
{
	FMulticastScriptDelegate* Delegate = (FMulticastScriptDelegate*)(PropertyValue ? PropertyValue : ContainerPtrToValuePtr<void>(Parent));
	Delegate->Remove(ScriptDelegate);
}

void FMulticastDelegateProperty::ClearDelegate(UObject* Parent, void* PropertyValue) const
{
	FMulticastScriptDelegate* Delegate = (FMulticastScriptDelegate*)(PropertyValue ? PropertyValue : ContainerPtrToValuePtr<void>(Parent));
	Delegate->Clear();
}

void FMulticastDelegateProperty::ExportTextItem_Direct(FString& ValueStr, const void* PropertyValue, const void* DefaultValue, UObject* Parent, int32 PortFlags, UObject* ExportRootScope) const
{
	const FMulticastScriptDelegate& Delegate = *(const FMulticastScriptDelegate*)PropertyValue;
	ValueStr += TEXT("(");
	bool bFirst = true;
	for (const FScriptDelegate& Binding : Delegate.InvocationList)
	{
		if (!Binding.GetUObject())
		{
			continue;
		}
		if (!bFirst)
		{
			ValueStr += TEXT(",");
		}
		bFirst = false;
		ValueStr += ExportDelegateBinding(Binding);
	}
	ValueStr += TEXT(")");
}

const TCHAR* FMulticastDelegateProperty::ImportText_Internal(const TCHAR* Buffer, void* Data, UObject* OwnerObject, int32 PortFlags, FOutputDevice* ErrorText) const
{
	const TCHAR* Cursor = SkipWhitespace(Buffer);
	if (*Cursor != TEXT('('))
	{
		ReportImportError(ErrorText, FString::Printf(TEXT("%s: expected '(' to start a delegate list"), *GetName()));
		return nullptr;
	}
	++Cursor;
	FMulticastScriptDelegate& Delegate = *(FMulticastScriptDelegate*)Data;
	Delegate.Clear();
	for (;;)
	{
		Cursor = SkipWhitespace(Cursor);
		if (*Cursor == TEXT(')'))
		{
			return Cursor + 1;
		}
		FString Token;
		Cursor = ReadDelimitedToken(Cursor, Token);
		FScriptDelegate Binding;
		if (!ImportDelegateBinding(Token, Binding))
		{
			ReportImportError(ErrorText, FString::Printf(TEXT("%s: no object function '%s'"), *GetName(), *Token));
			return nullptr;
		}
		Delegate.AddUnique(Binding);
		if (*Cursor == TEXT(','))
		{
			++Cursor;
		}
		else if (*Cursor != TEXT(')'))
		{
			ReportImportError(ErrorText, FString::Printf(TEXT("%s: expected ',' or ')' in a delegate list"), *GetName()));
			return nullptr;
		}
	}
}

bool FMulticastDelegateProperty::Identical(const void* A, const void* B, uint32 PortFlags) const
{
	return *(const FMulticastScriptDelegate*)A == (B ? *(const FMulticastScriptDelegate*)B : FMulticastScriptDelegate());
}
