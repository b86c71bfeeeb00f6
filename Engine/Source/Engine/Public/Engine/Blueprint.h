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

/**
 * One node chain of a Blueprint's event graph in the stand-in's asset form: when Event fires on an instance,
 * the static Function ("/Script/Module.Class:Function") is called with Arguments ("Param=Value", engine text
 * form), where "{Name}" stands for the text of the event's parameter Name.
 */
USTRUCT()
struct FBlueprintScriptCall
{
	GENERATED_BODY()

	/** The event (an interface event or a parent class's Blueprint event) that runs the call. */
	UPROPERTY()
	FName Event;

	/** The static function to call, as "/Script/Module.Class:Function". */
	UPROPERTY()
	FString Function;

	/** "Param=Value" pairs; "{Name}" is replaced by the event parameter Name's text. */
	UPROPERTY()
	TArray<FString> Arguments;
};

/** A Blueprint asset. Loading it makes its generated class "<Name>_C" from the parent class and interfaces. */
UCLASS(config = Engine)
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

	/** The event graph, as calls of static functions (the stand-in's asset form of a graph). */
	UPROPERTY()
	TArray<FBlueprintScriptCall> EventGraphCalls;

	/** The class of the class this Blueprint generates. */
	virtual UClass* GetBlueprintClass() const;

	/** Makes the generated class once the asset's properties are in; a Blueprint without a parent class has none. */
	virtual void PostLoad() override;
};
