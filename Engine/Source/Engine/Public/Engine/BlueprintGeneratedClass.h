// The class a Blueprint compiles to.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "BlueprintGeneratedClass.generated.h"

class UBlueprint;

/** A class made from a Blueprint asset ("<Blueprint>_C"), living in the Blueprint's package. */
UCLASS(MinimalAPI)
class UBlueprintGeneratedClass : public UClass
{
	GENERATED_BODY()

public:
	/** The Blueprint this class was made from. */
	UBlueprint* GetGeneratedBy() const
	{
		return GeneratedBy;
	}

private:
	friend class UBlueprint;

	UBlueprint* GeneratedBy = nullptr;
};
