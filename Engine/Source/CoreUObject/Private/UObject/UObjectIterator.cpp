#include "UObject/UObjectIterator.h"
#include "UObject/ObjectTable.h"

using namespace UE::CoreUObject::Private;

FObjectIterator::FObjectIterator(UClass* InClass, bool bOnlyGCedObjects, EObjectFlags AdditionalExclusionFlags, EInternalObjectFlags InInternalExclusionFlags)
{
	FObjectTable::Get().ForEachObject([&](UObject* Object) {
		if (Object->GetClass() && Object->IsA(InClass) && !Object->HasAnyFlags(AdditionalExclusionFlags) && !Object->IsGarbage())
		{
			Objects.Add(FWeakObjectPtr(Object));
		}
	});
	SkipDead();
}

void FObjectIterator::operator++()
{
	++Index;
	SkipDead();
}

void FObjectIterator::SkipDead()
{
	while (Index < Objects.Num() && Objects[Index].Get() == nullptr)
	{
		++Index;
	}
}
