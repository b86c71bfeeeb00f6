#include "UObject/WeakObjectPtr.h"
#include "UObject/Object.h"
#include "UObject/ObjectTable.h"

using namespace UE::CoreUObject::Private;

void FWeakObjectPtr::operator=(const UObject* Object)
{
	if (Object)
	{
		ObjectIndex = Object->GetInternalIndex();
		FObjectItem* Item = FObjectTable::Get().GetItem(ObjectIndex);
		checkf(Item && Item->Object == (const UObjectBase*)Object, TEXT("Weak pointer to an object that is not in the object table"));
		ObjectSerialNumber = Item->SerialNumber;
	}
	else
	{
		Reset();
	}
}

UObject* FWeakObjectPtr::Get(bool bEvenIfPendingKill) const
{
	FObjectItem* Item = FObjectTable::Get().GetItem(ObjectIndex);
	if (!Item || !Item->Object || Item->SerialNumber != ObjectSerialNumber)
	{
		return nullptr;
	}
	if (!bEvenIfPendingKill && (Item->InternalFlags & ((int32)EInternalObjectFlags::Garbage | (int32)EInternalObjectFlags::Unreachable)))
	{
		return nullptr;
	}
	return (UObject*)Item->Object;
}

UObject* FWeakObjectPtr::Get() const
{
	return Get(false);
}

UObject* FWeakObjectPtr::GetEvenIfUnreachable() const
{
	return Get(true);
}

bool FWeakObjectPtr::IsStale(bool bIncludingIfPendingKill, bool bThreadsafeTest) const
{
	if (ObjectIndex == INDEX_NONE)
	{
		return false;
	}
	return Get(!bIncludingIfPendingKill) == nullptr;
}
