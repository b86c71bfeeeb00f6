#include "Components/Widget.h"

#include "Widgets/SNullWidget.h"
#include "Widgets/SWidget.h"

TSharedRef<SWidget> UWidget::TakeWidget()
{
	if (!MyWidget.IsValid())
	{
		MyWidget = RebuildWidget();
		OnWidgetRebuilt();
	}
	return MyWidget.ToSharedRef();
}

TSharedPtr<SWidget> UWidget::GetCachedWidget() const
{
	return MyWidget;
}

bool UWidget::IsConstructed() const
{
	return MyWidget.IsValid();
}

void UWidget::ReleaseSlateResources(bool bReleaseChildren)
{
	Super::ReleaseSlateResources(bReleaseChildren);
	MyWidget.Reset();
}

TSharedRef<SWidget> UWidget::RebuildWidget()
{
	checkf(false, TEXT("UWidget::RebuildWidget for %s is not implemented in the stand-in"), *GetClass()->GetName());
	return SNullWidget::NullWidget;
}

void UWidget::OnWidgetRebuilt()
{
}
