#include "Components/TextBlock.h"

#include "Widgets/Text/STextBlock.h"

void UTextBlock::SetText(FText InText)
{
	Text = InText;
	if (MyTextBlock.IsValid())
	{
		MyTextBlock->SetText(Text);
	}
}

FText UTextBlock::GetText() const
{
	return Text;
}

void UTextBlock::ReleaseSlateResources(bool bReleaseChildren)
{
	Super::ReleaseSlateResources(bReleaseChildren);
	MyTextBlock.Reset();
}

TSharedRef<SWidget> UTextBlock::RebuildWidget()
{
	return SAssignNew(MyTextBlock, STextBlock).Text(Text);
}
