// Walks reflected values and repoints the object references in them: duplication points references
// at the copies, garbage collection clears references to the objects it destroys.

#pragma once

#include "CoreMinimal.h"

class FProperty;
class UObject;
class UStruct;

namespace UE::CoreUObject::Private
{
	/** What a walk does with each object reference it meets. */
	struct FReferenceRemap
	{
		/**
		 * The object a reference to Object holds from now on; Object itself to leave it. Never called with null.
		 * Owned, not a reference: callers build the remap from a temporary lambda that would not outlive it.
		 */
		TFunction<UObject*(UObject*)> Replace;

		/** Whether weak references and delegate bindings follow as well, or strong references only. */
		bool bIncludeWeak;

		FReferenceRemap(TFunction<UObject*(UObject*)> InReplace, bool bInIncludeWeak)
			: Replace(MoveTemp(InReplace))
			, bIncludeWeak(bInIncludeWeak)
		{
		}
	};

	/** Remaps the references in one value of Property (inside structs, arrays and maps too); soft references, being paths, stay. */
	void RemapReferences(const FProperty* Property, void* Value, const FReferenceRemap& Remap);

	/** Remaps the references in every property of Struct in Container. */
	void RemapReferencesInContainer(const UStruct* Struct, void* Container, const FReferenceRemap& Remap);
}
