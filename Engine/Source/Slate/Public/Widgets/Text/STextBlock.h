// A widget that shows a text.

#pragma once

#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SLeafWidget.h"

class SLATE_API STextBlock : public SLeafWidget
{
public:
	SLATE_BEGIN_ARGS(STextBlock)
		: _Text()
	{
	}
	SLATE_ATTRIBUTE(FText, Text)
	SLATE_END_ARGS()

	STextBlock();
	virtual ~STextBlock();

	void Construct(const FArguments& InArgs);

	const FText& GetText() const;
	void SetText(TAttribute<FText> InText);

private:
	TAttribute<FText> BoundText;
	mutable FText CachedText;
};
