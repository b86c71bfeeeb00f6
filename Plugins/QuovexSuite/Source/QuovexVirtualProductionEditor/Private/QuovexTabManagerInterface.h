// Copyright Quovex. All Rights Reserved.

#pragma once

#include "CoreMinimal.h"
#include "UObject/Interface.h"

#include "QuovexTabManagerInterface.generated.h"

class UEditorUtilityWidget;

/** Objects that want to hear about the plugin's panel tabs implement this interface and subscribe to the tab manager. */
UINTERFACE(MinimalAPI, Blueprintable, meta = (IsBlueprintBase = "true"))
class UQuovexTabManagerInterface : public UInterface
{
	GENERATED_BODY()
};

class IQuovexTabManagerInterface
{
	GENERATED_BODY()

public:
	/** A panel tab closed; TabName is the tab's identifier. */
	UFUNCTION(BlueprintImplementableEvent, BlueprintCallable, Category = "Quovex|VP")
	void OnTabClosed(FName TabName);

	/** A panel tab was spawned with its widget. */
	UFUNCTION(BlueprintImplementableEvent, BlueprintCallable, Category = "Quovex|VP")
	void OnTabSpawned(FName TabName, UPARAM(meta = (EditInline = "true")) UEditorUtilityWidget* Widget);
};
