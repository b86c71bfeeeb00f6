#include "UObject/UObjectBase.h"
#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/ObjectTable.h"

#include <cstdlib>
#include <cstring>
#include <new>

DEFINE_LOG_CATEGORY(LogUObjectGlobals);

namespace UE::CoreUObject::Private
{
	FObjectTable& FObjectTable::Get()
	{
		// Never destroyed: objects of other modules may still be released during static destruction.
		static FObjectTable* Table = new FObjectTable();
		return *Table;
	}

	int32 FObjectTable::Allocate(UObjectBase* Object)
	{
		int32 Index;
		if (!FreeSlots.empty())
		{
			Index = FreeSlots.back();
			FreeSlots.pop_back();
		}
		else
		{
			Index = (int32)Items.size();
			Items.emplace_back();
		}
		FObjectItem& Item = Items[(size_t)Index];
		Item.Object = Object;
		Item.SerialNumber = NextSerial++;
		Item.InternalFlags = 0;
		LivePointers.insert(Object);
		return Index;
	}

	void FObjectTable::Free(int32 Index)
	{
		if (FObjectItem* Item = GetItem(Index))
		{
			LivePointers.erase(Item->Object);
			Item->Object = nullptr;
			Item->SerialNumber = 0;
			Item->InternalFlags = 0;
			FreeSlots.push_back(Index);
		}
	}

	std::u16string LowerName(FName Name)
	{
		return Name.ToString().ToLower().GetStdString();
	}

	void FObjectTable::AddToHash(UObjectBase* Object)
	{
		ByOuterName[FOuterNameKey{ Object->GetOuter(), LowerName(Object->GetFName()) }] = Object;
	}

	void FObjectTable::RemoveFromHash(UObjectBase* Object)
	{
		auto It = ByOuterName.find(FOuterNameKey{ Object->GetOuter(), LowerName(Object->GetFName()) });
		if (It != ByOuterName.end() && It->second == Object)
		{
			ByOuterName.erase(It);
		}
	}

	UObjectBase* FObjectTable::FindInHash(const UObject* Outer, FName Name) const
	{
		auto It = ByOuterName.find(FOuterNameKey{ Outer, LowerName(Name) });
		return It != ByOuterName.end() ? It->second : nullptr;
	}

	void* AllocateObjectMemory(int32 Size, int32 Alignment)
	{
		checkf(Alignment <= 16, TEXT("Objects aligned to more than 16 bytes are not implemented in the stand-in"));
		const size_t Align = 16;
		const size_t RoundedSize = ((size_t)Size + Align - 1) / Align * Align;
		void* Memory = ::operator new(RoundedSize, std::align_val_t(Align));
		// The engine hands constructors zeroed memory: members without initialisers read as zero.
		std::memset(Memory, 0, RoundedSize);
		return Memory;
	}

	void FreeObjectMemory(void* Memory)
	{
		::operator delete(Memory, std::align_val_t(16));
	}

	std::vector<FObjectInitializer*>& GetInitializerStack()
	{
		static thread_local std::vector<FObjectInitializer*> Stack;
		return Stack;
	}
}

using namespace UE::CoreUObject::Private;

UObjectBase::UObjectBase()
{
	std::vector<FObjectInitializer*>& Stack = GetInitializerStack();
	checkf(!Stack.empty() && (void*)Stack.back()->Obj == (void*)this, TEXT("Objects must be created with NewObject (or StaticConstructObject_Internal), not with new or on the stack"));
	FObjectInitializer& Init = *Stack.back();
	ObjectFlags = Init.Flags;
	ClassPrivate = Init.Class;
	OuterPrivate = Init.Outer;
	NamePrivate = Init.Name;
	InternalIndex = FObjectTable::Get().Allocate(this);
	FObjectTable::Get().AddToHash(this);
}

UObjectBase::UObjectBase(EObjectFlags InFlags)
	: ObjectFlags(InFlags)
	, InternalIndex(INDEX_NONE)
	, ClassPrivate(nullptr)
	, NamePrivate()
	, OuterPrivate(nullptr)
{
	InternalIndex = FObjectTable::Get().Allocate(this);
}

UObjectBase::~UObjectBase()
{
	FObjectTable& Table = FObjectTable::Get();
	if (InternalIndex != INDEX_NONE)
	{
		FObjectItem* Item = Table.GetItem(InternalIndex);
		if (Item && Item->Object == this)
		{
			Table.RemoveFromHash(this);
			Table.Free(InternalIndex);
		}
		InternalIndex = INDEX_NONE;
	}
}

void UObjectBase::RegisterNative(UClass* InClass, UObject* InOuter, FName InName)
{
	ClassPrivate = InClass;
	OuterPrivate = InOuter;
	NamePrivate = InName;
	FObjectTable::Get().AddToHash(this);
}

bool UObjectBase::IsValidLowLevel() const
{
	if (this == nullptr)
	{
		return false;
	}
	// Decided from the table alone, so a dangling pointer is reported without reading its memory.
	return FObjectTable::Get().IsLive(this);
}

bool UObjectBase::IsValidLowLevelFast(bool bRecursive) const
{
	return IsValidLowLevel();
}

static FObjectItem* ItemOf(const UObjectBase* Object)
{
	FObjectItem* Item = FObjectTable::Get().GetItem(Object->GetInternalIndex());
	checkf(Item && Item->Object == Object, TEXT("Object is not in the object table"));
	return Item;
}

void UObjectBaseUtility::MarkAsGarbage()
{
	ItemOf(this)->InternalFlags |= (int32)EInternalObjectFlags::Garbage;
}

void UObjectBaseUtility::ClearGarbage()
{
	ItemOf(this)->InternalFlags &= ~(int32)EInternalObjectFlags::Garbage;
}

bool UObjectBaseUtility::IsGarbage() const
{
	return (ItemOf(this)->InternalFlags & (int32)EInternalObjectFlags::Garbage) != 0;
}

bool UObjectBaseUtility::IsUnreachable() const
{
	return (ItemOf(this)->InternalFlags & (int32)EInternalObjectFlags::Unreachable) != 0;
}

bool UObjectBaseUtility::HasAnyInternalFlags(EInternalObjectFlags FlagsToCheck) const
{
	return (ItemOf(this)->InternalFlags & (int32)FlagsToCheck) != 0;
}

void UObjectBaseUtility::SetInternalFlags(EInternalObjectFlags FlagsToSet) const
{
	ItemOf(this)->InternalFlags |= (int32)FlagsToSet;
}

void UObjectBaseUtility::ClearInternalFlags(EInternalObjectFlags FlagsToClear) const
{
	ItemOf(this)->InternalFlags &= ~(int32)FlagsToClear;
}

void UObjectBaseUtility::AddToRoot()
{
	SetInternalFlags(EInternalObjectFlags::RootSet);
}

void UObjectBaseUtility::RemoveFromRoot()
{
	ClearInternalFlags(EInternalObjectFlags::RootSet);
}

bool UObjectBaseUtility::IsRooted() const
{
	return HasAnyInternalFlags(EInternalObjectFlags::RootSet);
}

void UObjectBaseUtility::GetPathName(const UObject* StopOuter, FString& ResultString) const
{
	if (this == (const UObjectBaseUtility*)StopOuter || this == nullptr)
	{
		ResultString += TEXT("None");
		return;
	}
	UObject* ObjOuter = GetOuter();
	if (ObjOuter && ObjOuter != StopOuter)
	{
		ObjOuter->GetPathName(StopOuter, ResultString);
		// A subobject of a top-level asset is separated by ':'.
		UObject* OuterOuter = ObjOuter->GetOuter();
		const bool bOuterIsPackage = ObjOuter->GetClass() == UPackage::StaticClass();
		const bool bOuterOuterIsPackage = OuterOuter && OuterOuter->GetClass() == UPackage::StaticClass();
		ResultString += (!bOuterIsPackage && bOuterOuterIsPackage) ? TEXT(":") : TEXT(".");
	}
	ResultString += GetName();
}

FString UObjectBaseUtility::GetPathName(const UObject* StopOuter) const
{
	FString Result;
	GetPathName(StopOuter, Result);
	return Result;
}

FString UObjectBaseUtility::GetFullName(const UObject* StopOuter) const
{
	if (this == nullptr)
	{
		return FString(TEXT("None"));
	}
	return GetClass()->GetName() + TEXT(" ") + GetPathName(StopOuter);
}

FString UObjectBaseUtility::GetFullGroupName(bool bStartWithOuter) const
{
	const UObject* Stop = (const UObject*)GetOutermost();
	return bStartWithOuter && GetOuter() ? GetOuter()->GetPathName(Stop) : GetPathName(Stop);
}

UPackage* UObjectBaseUtility::GetOutermost() const
{
	return (UPackage*)GetOutermostObject();
}

UPackage* UObjectBaseUtility::GetPackage() const
{
	return GetOutermost();
}

UObject* UObjectBaseUtility::GetOutermostObject() const
{
	UObject* Top = (UObject*)this;
	while (Top->GetOuter())
	{
		Top = Top->GetOuter();
	}
	return Top;
}

bool UObjectBaseUtility::IsA(const UClass* SomeBase) const
{
	return SomeBase && GetClass() && GetClass()->IsChildOf(SomeBase);
}

UObject* UObjectBaseUtility::GetTypedOuter(UClass* Target) const
{
	for (UObject* NextOuter = GetOuter(); NextOuter; NextOuter = NextOuter->GetOuter())
	{
		if (NextOuter->IsA(Target))
		{
			return NextOuter;
		}
	}
	return nullptr;
}

bool UObjectBaseUtility::IsIn(const UObject* SomeOuter) const
{
	for (UObject* It = GetOuter(); It; It = It->GetOuter())
	{
		if (It == SomeOuter)
		{
			return true;
		}
	}
	return SomeOuter == nullptr;
}

bool UObjectBaseUtility::IsInPackage(const UPackage* SomePackage) const
{
	return SomePackage != (const UPackage*)this && GetPackage() == SomePackage;
}

bool UObjectBaseUtility::IsTemplate(EObjectFlags TemplateTypes) const
{
	for (const UObjectBaseUtility* TestOuter = this; TestOuter; TestOuter = TestOuter->GetOuter())
	{
		if (TestOuter->HasAnyFlags(TemplateTypes))
		{
			return true;
		}
	}
	return false;
}

void* UObjectBaseUtility::GetInterfaceAddress(UClass* InterfaceClass)
{
	return GetNativeInterfaceAddress(InterfaceClass);
}

void* UObjectBaseUtility::GetNativeInterfaceAddress(UClass* InterfaceClass)
{
	check(InterfaceClass != nullptr);
	for (UClass* CurrentClass = GetClass(); CurrentClass; CurrentClass = CurrentClass->GetSuperClass())
	{
		for (const FImplementedInterface& Interface : CurrentClass->Interfaces)
		{
			// Blueprint implementations have no native part.
			if (!Interface.bImplementedByK2 && Interface.Class && Interface.Class->IsChildOf(InterfaceClass))
			{
				return (uint8*)this + Interface.PointerOffset;
			}
		}
	}
	return nullptr;
}

bool UObjectBaseUtility::IsNative() const
{
	return GetClass()->HasAnyClassFlags(CLASS_Native);
}

bool IsValid(const UObject* Test)
{
	return Test != nullptr && !Test->IsGarbage();
}
