#pragma once

#include "CoreMinimal.h"
#include "Components/Widget.h"

#include "TextBlock.generated.h"

class STextBlock;

/** A widget showing a piece of text. */
UCLASS(MinimalAPI)
class UTextBlock : public UWidget
{
	GENERATED_BODY()

public:
	/** The text to show. */
	UPROPERTY(EditAnywhere, BlueprintReadOnly, Category = "Content")
	FText Text;

	/** Changes the text, also on the Slate widget if it exists. */
	UFUNCTION(BlueprintCallable, Category = "Widget")
	UMG_API void SetText(FText InText);

	/** The text shown. */
	UFUNCTION(BlueprintCallable, Category = "Widget")
	UMG_API FText GetText() const;

	UMG_API virtual void ReleaseSlateResources(bool bReleaseChildren) override;

protected:
	UMG_API virtual TSharedRef<SWidget> RebuildWidget() override;

private:
	TSharedPtr<STextBlock> MyTextBlock;
};
