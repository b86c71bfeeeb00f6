// Destroying objects: what CollectGarbage and the host's DestroyObjectNow destroy, and the references to
// those objects that the engine's collector clears (reflected ones in surviving objects, and those that
// FGCObjects report) before anything is destroyed.

#include "UObject/GCObject.h"
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/ObjectTable.h"
#include "UObject/ReferenceRemap.h"
#include "UObject/UObjectGlobals.h"

#include <algorithm>
#include <mutex>
#include <unordered_set>
#include <vector>

using namespace UE::CoreUObject::Private;

namespace
{
	bool GIsCollectingGarbage = false;

	std::mutex& GCObjectsLock()
	{
		static std::mutex Lock;
		return Lock;
	}

	/** Registered holders, in registration order. Never destroyed: global holders unregister during static destruction. */
	std::vector<FGCObject*>& GCObjects()
	{
		static std::vector<FGCObject*>* Holders = new std::vector<FGCObject*>();
		return *Holders;
	}

	/** Clears every reference it is handed to one of the objects about to be destroyed. */
	class FClearingReferenceCollector final : public FReferenceCollector
	{
	public:
		explicit FClearingReferenceCollector(const std::unordered_set<const UObject*>& InDoomed)
			: Doomed(InDoomed)
		{
		}

		void HandleObjectReference(UObject*& Object, const UObject* ReferencingObject) override
		{
			if (Object && Doomed.count(Object))
			{
				Object = nullptr;
			}
		}

	private:
		const std::unordered_set<const UObject*>& Doomed;
	};

	/** Clears the strong references to Doomed that surviving objects hold in their reflected properties and that
	 *  registered FGCObjects report. Weak references go stale by themselves; anything else is left as it is. */
	void ClearReferencesTo(const std::vector<UObject*>& Doomed)
	{
		if (Doomed.empty())
		{
			return;
		}
		const std::unordered_set<const UObject*> DoomedSet(Doomed.begin(), Doomed.end());
		const FReferenceRemap ClearDoomed([&DoomedSet](UObject* Object) {
			return DoomedSet.count(Object) ? nullptr : Object;
		},
			false);
		FObjectTable::Get().ForEachObject([&](UObject* Object) {
			if (!DoomedSet.count(Object) && Object->GetClass())
			{
				RemapReferencesInContainer(Object->GetClass(), Object, ClearDoomed);
			}
		});

		std::vector<FGCObject*> Holders;
		{
			std::lock_guard<std::mutex> Guard(GCObjectsLock());
			Holders = GCObjects();
		}
		FClearingReferenceCollector Collector(DoomedSet);
		for (FGCObject* Holder : Holders)
		{
			bool bStillRegistered = false;
			{
				std::lock_guard<std::mutex> Guard(GCObjectsLock());
				bStillRegistered = std::find(GCObjects().begin(), GCObjects().end(), Holder) != GCObjects().end();
			}
			if (bStillRegistered)
			{
				Holder->AddReferencedObjects(Collector);
			}
		}
	}

	/** The object, its inner objects, and (for classes) their instances and subclasses. */
	void CollectForDestruction(UObject* Object, std::vector<UObject*>& Out, std::unordered_set<UObject*>& Seen)
	{
		if (!Seen.insert(Object).second)
		{
			return;
		}
		FObjectTable::Get().ForEachObject([&](UObject* Candidate) {
			if (Candidate->GetOuter() == Object)
			{
				CollectForDestruction(Candidate, Out, Seen);
			}
		});
		if (UClass* AsClass = dynamic_cast<UClass*>(Object))
		{
			FObjectTable::Get().ForEachObject([&](UObject* Candidate) {
				if (Candidate->GetClass() == AsClass)
				{
					CollectForDestruction(Candidate, Out, Seen);
				}
				else if (UClass* CandidateClass = dynamic_cast<UClass*>(Candidate))
				{
					if (CandidateClass != AsClass && CandidateClass->GetSuperClass() == AsClass)
					{
						CollectForDestruction(Candidate, Out, Seen);
					}
				}
			});
		}
		Out.push_back(Object);
	}

	void DestroyObjects(const std::vector<UObject*>& Objects)
	{
		ClearReferencesTo(Objects);
		for (UObject* Object : Objects)
		{
			if (!Object->HasAnyFlags(RF_BeginDestroyed))
			{
				Object->SetFlags(RF_BeginDestroyed);
				Object->BeginDestroy();
			}
		}
		for (UObject* Object : Objects)
		{
			if (!Object->HasAnyFlags(RF_FinishDestroyed))
			{
				Object->SetFlags(RF_FinishDestroyed);
				Object->FinishDestroy();
			}
		}
		// Inner objects first (collected before their outers).
		for (UObject* Object : Objects)
		{
			Object->~UObject();
			FreeObjectMemory(Object);
		}
	}
}

FGCObject::FGCObject()
{
	RegisterGCObject();
}

FGCObject::~FGCObject()
{
	UnregisterGCObject();
}

void FGCObject::RegisterGCObject()
{
	std::lock_guard<std::mutex> Guard(GCObjectsLock());
	std::vector<FGCObject*>& Holders = GCObjects();
	if (std::find(Holders.begin(), Holders.end(), this) == Holders.end())
	{
		Holders.push_back(this);
	}
}

void FGCObject::UnregisterGCObject()
{
	std::lock_guard<std::mutex> Guard(GCObjectsLock());
	std::vector<FGCObject*>& Holders = GCObjects();
	Holders.erase(std::remove(Holders.begin(), Holders.end(), this), Holders.end());
}

void UE::ObjectHost::DestroyObjectNow(UObject* Object)
{
	if (!Object || !Object->IsValidLowLevel())
	{
		return;
	}
	UClass* AsClass = dynamic_cast<UClass*>(Object);
	checkf(AsClass == nullptr || !AsClass->HasAnyClassFlags(CLASS_Native), TEXT("Native class %s cannot be destroyed"), *Object->GetName());
	std::vector<UObject*> Objects;
	std::unordered_set<UObject*> Seen;
	CollectForDestruction(Object, Objects, Seen);
	DestroyObjects(Objects);
}

void CollectGarbage(EObjectFlags KeepFlags, bool bPerformFullPurge)
{
	checkf(!GIsCollectingGarbage, TEXT("CollectGarbage called while collecting"));
	GIsCollectingGarbage = true;
	std::vector<UObject*> Roots;
	FObjectTable::Get().ForEachObject([&](UObject* Object) {
		if (Object->IsGarbage() && !Object->IsRooted() && !Object->HasAnyFlags(KeepFlags))
		{
			Roots.push_back(Object);
		}
	});
	std::vector<UObject*> Objects;
	std::unordered_set<UObject*> Seen;
	for (UObject* Root : Roots)
	{
		CollectForDestruction(Root, Objects, Seen);
	}
	DestroyObjects(Objects);
	GIsCollectingGarbage = false;
}

bool IsGarbageCollecting()
{
	return GIsCollectingGarbage;
}
