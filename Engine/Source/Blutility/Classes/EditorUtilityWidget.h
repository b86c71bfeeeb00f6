#pragma once

#include "CoreMinimal.h"
#include "Blueprint/UserWidget.h"

#include "EditorUtilityWidget.generated.h"

/** A user widget that runs in the editor: the base of editor utility widget Blueprints, which open as editor tabs. */
UCLASS(MinimalAPI, Abstract, meta = (ShowWorldContextPin), config = Editor)
class UEditorUtilityWidget : public UUserWidget
{
	GENERATED_BODY()

public:
	/** Is this widget an editor utility widget. */
	BLUTILITY_API virtual bool IsEditorUtility() const override;

	/** Returns the default desired tab display name that was specified for this widget. */
	FText GetTabDisplayName() const
	{
		return TabDisplayName;
	}

protected:
	/** The label of the tab this widget opens in; the Blueprint's name when empty. */
	UPROPERTY(Category = Config, EditDefaultsOnly, BlueprintReadWrite)
	FText TabDisplayName;
};
