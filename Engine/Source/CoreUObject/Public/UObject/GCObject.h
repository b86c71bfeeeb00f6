// FGCObject: non-object holders of object references. The stand-in has no reachability analysis
// (CollectGarbage only destroys objects marked as garbage), so the collector is never asked; the
// interface exists so engine-style code compiles and reports its references on request.

#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectPtr.h"

class UObject;

class COREUOBJECT_API FReferenceCollector
{
public:
	virtual ~FReferenceCollector() = default;

	virtual void HandleObjectReference(UObject*& Object, const UObject* ReferencingObject) = 0;

	template <class UObjectType>
	void AddReferencedObject(UObjectType*& Object, const UObject* ReferencingObject = nullptr)
	{
		HandleObjectReference(*(UObject**)&Object, ReferencingObject);
	}

	template <class UObjectType>
	void AddReferencedObject(TObjectPtr<UObjectType>& Object, const UObject* ReferencingObject = nullptr)
	{
		UObject* Raw = (UObject*)Object.Get();
		HandleObjectReference(Raw, ReferencingObject);
		Object = (UObjectType*)Raw;
	}

	template <class UObjectType>
	void AddReferencedObjects(TArray<UObjectType*>& Objects, const UObject* ReferencingObject = nullptr)
	{
		for (UObjectType*& Object : Objects)
		{
			AddReferencedObject(Object, ReferencingObject);
		}
	}

	template <class UObjectType>
	void AddReferencedObjects(TArray<TObjectPtr<UObjectType>>& Objects, const UObject* ReferencingObject = nullptr)
	{
		for (TObjectPtr<UObjectType>& Object : Objects)
		{
			AddReferencedObject(Object, ReferencingObject);
		}
	}
};

class COREUOBJECT_API FGCObject
{
public:
	FGCObject() = default;
	virtual ~FGCObject() = default;

	FGCObject(const FGCObject&) = delete;
	FGCObject& operator=(const FGCObject&) = delete;

	virtual void AddReferencedObjects(FReferenceCollector& Collector) = 0;
	virtual FString GetReferencerName() const = 0;
};
