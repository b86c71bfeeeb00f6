#include "UObject/Field.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"

FFieldClass::FFieldClass(const TCHAR* InCPPName, FFieldClass* InSuperClass)
	: Name(InCPPName)
	, SuperClass(InSuperClass)
{
}

FFieldClass* FField::StaticClass()
{
	static FFieldClass StaticFieldClass(TEXT("Field"), nullptr);
	return &StaticFieldClass;
}

FField::FField(FFieldVariant InOwner, const FName& InName, EObjectFlags InObjectFlags)
	: ClassPrivate(FField::StaticClass())
	, Owner(InOwner)
	, NamePrivate(InName)
	, FlagsPrivate(InObjectFlags)
{
}

FField::~FField()
{
}

UObject* FField::GetOwnerUObject() const
{
	FFieldVariant Current = Owner;
	while (!Current.IsUObject() && Current.ToField())
	{
		Current = Current.ToField()->GetOwnerVariant();
	}
	return Current.ToUObject();
}

UStruct* FField::GetOwnerStruct() const
{
	for (UObject* Object = GetOwnerUObject(); Object; Object = Object->GetOuter())
	{
		if (UStruct* Struct = dynamic_cast<UStruct*>(Object))
		{
			return Struct;
		}
	}
	return nullptr;
}

UClass* FField::GetOwnerClass() const
{
	for (UObject* Object = GetOwnerUObject(); Object; Object = Object->GetOuter())
	{
		if (UClass* Class = dynamic_cast<UClass*>(Object))
		{
			return Class;
		}
	}
	return nullptr;
}

FString FField::GetPathName() const
{
	FString Result;
	if (Owner.IsUObject())
	{
		Result = Owner.ToUObject()->GetPathName() + TEXT(":");
	}
	else if (Owner.ToField())
	{
		Result = Owner.ToField()->GetPathName() + TEXT(".");
	}
	return Result + GetName();
}

FString FField::GetFullName() const
{
	return GetClass()->GetName() + TEXT(" ") + GetPathName();
}

#if WITH_EDITORONLY_DATA
static const FString& EmptyFieldString()
{
	static const FString Empty;
	return Empty;
}

const FString* FField::FindMetaData(const TCHAR* Key) const
{
	return MetaDataMap.Find(FName(Key));
}

const FString* FField::FindMetaData(const FName& Key) const
{
	return MetaDataMap.Find(Key);
}

const FString& FField::GetMetaData(const TCHAR* Key) const
{
	const FString* Found = FindMetaData(Key);
	return Found ? *Found : EmptyFieldString();
}

const FString& FField::GetMetaData(const FName& Key) const
{
	const FString* Found = FindMetaData(Key);
	return Found ? *Found : EmptyFieldString();
}

void FField::SetMetaData(const TCHAR* Key, const TCHAR* InValue)
{
	MetaDataMap.Add(FName(Key), FString(InValue));
}

void FField::SetMetaData(const FName& Key, FString&& InValue)
{
	MetaDataMap.Add(Key, MoveTemp(InValue));
}

void FField::RemoveMetaData(const TCHAR* Key)
{
	MetaDataMap.Remove(FName(Key));
}

bool FField::GetBoolMetaData(const TCHAR* Key) const
{
	return GetMetaData(Key) == TEXT("true");
}

bool FField::GetBoolMetaData(const FName& Key) const
{
	return GetMetaData(Key) == TEXT("true");
}

int32 FField::GetIntMetaData(const TCHAR* Key) const
{
	return FCString::Atoi(*GetMetaData(Key));
}

float FField::GetFloatMetaData(const TCHAR* Key) const
{
	return (float)FCString::Atod(*GetMetaData(Key));
}

FText FField::GetDisplayNameText() const
{
	const FString* DisplayName = FindMetaData(TEXT("DisplayName"));
	return FText::FromString(DisplayName ? *DisplayName : GetName());
}

FText FField::GetToolTipText(bool bShortTooltip) const
{
	return FText::FromString(GetMetaData(TEXT("ToolTip")));
}
#endif
