// FGCObject: non-object holders of object references. The stand-in has no reachability analysis
// (CollectGarbage only destroys objects marked as garbage); before it destroys objects it asks every
// registered holder for its references and clears those to the destroyed objects, as the engine's
// collector clears references to garbage.

#pragma once

#include "CoreMinimal.h"
#include "UObject/ObjectPtr.h"

class UObject;

class COREUOBJECT_API FReferenceCollector
{
public:
	virtual ~FReferenceCollector() = default;

	virtual void HandleObjectReference(UObject*& Object, const UObject* ReferencingObject) = 0;

	template<class UObjectType>
	void AddReferencedObject(UObjectType*& Object, const UObject* ReferencingObject = nullptr)
	{
		HandleObjectReference(*(UObject**)&Object, ReferencingObject);
	}

	template<class UObjectType>
	void AddReferencedObject(TObjectPtr<UObjectType>& Object, const UObject* ReferencingObject = nullptr)
	{
		UObject* Raw = (UObject*)Object.Get();
		HandleObjectReference(Raw, ReferencingObject);
		Object = (UObjectType*)Raw;
	}

	template<class UObjectType>
	void AddReferencedObjects(TArray<UObjectType*>& Objects, const UObject* ReferencingObject = nullptr)
	{
		for (UObjectType*& Object : Objects)
		{
			AddReferencedObject(Object, ReferencingObject);
		}
	}

	template<class UObjectType>
	void AddReferencedObjects(TArray<TObjectPtr<UObjectType>>& Objects, const UObject* ReferencingObject = nullptr)
	{
		for (TObjectPtr<UObjectType>& Object : Objects)
		{
			AddReferencedObject(Object, ReferencingObject);
		}
	}
};

/** A holder of object references outside reflection; registered while it lives. */
class COREUOBJECT_API FGCObject
{
public:
	FGCObject();
	virtual ~FGCObject();

	FGCObject(const FGCObject&) = delete;
	FGCObject& operator=(const FGCObject&) = delete;

	/** Adds the holder to those asked for references (done by the constructor; a second call does nothing). */
	void RegisterGCObject();

	/** Removes the holder from those asked for references (done by the destructor). */
	void UnregisterGCObject();

	virtual void AddReferencedObjects(FReferenceCollector& Collector) = 0;
	virtual FString GetReferencerName() const = 0;
};
