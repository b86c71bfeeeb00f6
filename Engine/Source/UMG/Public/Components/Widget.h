#pragma once

#include "CoreMinimal.h"
#include "Components/Visual.h"
#include "Templates/SharedPointer.h"

#include "Widget.generated.h"

class SWidget;

/** A UObject that builds and keeps one Slate widget. */
UCLASS(Abstract, BlueprintType, Blueprintable, MinimalAPI)
class UWidget : public UVisual
{
	GENERATED_BODY()

public:
	/** The Slate widget, built on the first call and the same one afterwards until the resources are released. */
	UMG_API TSharedRef<SWidget> TakeWidget();

	/** The Slate widget if it has been built, else null. */
	UMG_API TSharedPtr<SWidget> GetCachedWidget() const;

	/** Whether the Slate widget exists. */
	UMG_API bool IsConstructed() const;

	UMG_API virtual void ReleaseSlateResources(bool bReleaseChildren) override;

protected:
	/** Builds the Slate widget; every concrete widget class provides it. */
	UMG_API virtual TSharedRef<SWidget> RebuildWidget();

	/** Called once the Slate widget has been built by TakeWidget. */
	UMG_API virtual void OnWidgetRebuilt();

private:
	/** Held strongly so that TakeWidget returns the same widget until ReleaseSlateResources. */
	TSharedPtr<SWidget> MyWidget;
};
