// Blueprint assets: a parent class, implemented interfaces, and the class made from them.

#pragma once

#include "CoreMinimal.h"
#include "Engine/BlueprintCore.h"
#include "UObject/Interface.h"
#include "Blueprint.generated.h"

/** An interface a Blueprint implements. */
USTRUCT()
struct FBPInterfaceDescription
{
	GENERATED_BODY()

	/** Reference to the interface class we're adding to this blueprint */
	UPROPERTY()
	TSubclassOf<UInterface> Interface;
};

/** A Blueprint asset. Loading it makes its generated class "<Name>_C" from the parent class and interfaces. */
UCLASS(config=Engine)
class ENGINE_API UBlueprint : public UBlueprintCore
{
	GENERATED_BODY()

public:
	/** Pointer to the parent class that the generated class is derived from */
	UPROPERTY(AssetRegistrySearchable)
	TSubclassOf<UObject> ParentClass;

	/** Array of interfaces that this blueprint implements */
	UPROPERTY(AssetRegistrySearchable)
	TArray<FBPInterfaceDescription> ImplementedInterfaces;

	/** The class of the class this Blueprint generates. */
	virtual UClass* GetBlueprintClass() const;

	/** Makes the generated class once the asset's properties are in; a Blueprint without a parent class has none. */
	virtual void PostLoad() override;
};
