// A box with one child, drawn with a brush.

#pragma once

#include "CoreMinimal.h"
#include "Layout/Margin.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"

struct FSlateBrush;

class SLATE_API SBorder : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(SBorder)
		: _BorderImage(nullptr)
		, _Padding(FMargin(2.0f))
		, _HAlign(HAlign_Fill)
		, _VAlign(VAlign_Fill)
	{
	}
	SLATE_DEFAULT_SLOT(FArguments, Content)
	SLATE_ARGUMENT(const FSlateBrush*, BorderImage)
	SLATE_ARGUMENT(FMargin, Padding)
	SLATE_ARGUMENT(EHorizontalAlignment, HAlign)
	SLATE_ARGUMENT(EVerticalAlignment, VAlign)
	SLATE_END_ARGS()

	SBorder();

	void Construct(const FArguments& InArgs);

	virtual void SetContent(TSharedRef<SWidget> InContent);
	const TSharedRef<SWidget>& GetContent() const;
	void ClearContent();

	void SetBorderImage(const FSlateBrush* InBorderImage);
	const FSlateBrush* GetBorderImage() const
	{
		return BorderImage;
	}

private:
	const FSlateBrush* BorderImage;
};
