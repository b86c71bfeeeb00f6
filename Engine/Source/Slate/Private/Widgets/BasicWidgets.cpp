#include "Widgets/Layout/SBorder.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/Text/STextBlock.h"

SBorder::SBorder()
	: BorderImage(nullptr)
{
}

void SBorder::Construct(const FArguments& InArgs)
{
	BorderImage = InArgs._BorderImage;
	ChildSlot
		.Padding(InArgs._Padding)
		.HAlign(InArgs._HAlign)
		.VAlign(InArgs._VAlign)
			[InArgs._Content.Widget];
}

void SBorder::SetContent(TSharedRef<SWidget> InContent)
{
	ChildSlot[InContent];
}

const TSharedRef<SWidget>& SBorder::GetContent() const
{
	return ChildSlot.GetWidget();
}

void SBorder::ClearContent()
{
	ChildSlot.DetachWidget();
}

void SBorder::SetBorderImage(const FSlateBrush* InBorderImage)
{
	BorderImage = InBorderImage;
}

SBox::SBox()
{
}

void SBox::Construct(const FArguments& InArgs)
{
	WidthOverride = InArgs._WidthOverride;
	HeightOverride = InArgs._HeightOverride;
	ChildSlot
		.Padding(InArgs._Padding)
		.HAlign(InArgs._HAlign)
		.VAlign(InArgs._VAlign)
			[InArgs._Content.Widget];
}

void SBox::SetContent(const TSharedRef<SWidget>& InContent)
{
	ChildSlot[InContent];
}

void SBox::SetWidthOverride(TAttribute<FOptionalSize> InWidthOverride)
{
	WidthOverride = InWidthOverride;
}

void SBox::SetHeightOverride(TAttribute<FOptionalSize> InHeightOverride)
{
	HeightOverride = InHeightOverride;
}

STextBlock::STextBlock()
{
}

STextBlock::~STextBlock()
{
}

void STextBlock::Construct(const FArguments& InArgs)
{
	BoundText = InArgs._Text;
}

const FText& STextBlock::GetText() const
{
	// Attributes may be bound; read the current value each time.
	CachedText = BoundText.Get(FText::GetEmpty());
	return CachedText;
}

void STextBlock::SetText(TAttribute<FText> InText)
{
	BoundText = InText;
}
