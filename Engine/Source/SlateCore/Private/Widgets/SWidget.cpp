#include "Widgets/SWidget.h"

#include "Layout/Children.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/SLeafWidget.h"
#include "Widgets/SNullWidget.h"

SWidget::SWidget()
	: CreatedOnLine(0)
	// Default-constructed (visible) rather than EVisibility::Visible: the null widget is built
	// during static initialisation, possibly before that constant.
	, Visibility(EVisibility())
	, EnabledState(true)
{
}

SWidget::~SWidget()
{
}

void SWidget::SWidgetConstruct(const FSlateBaseNamedArgs& Args)
{
	Visibility = Args._Visibility;
	EnabledState = Args._IsEnabled;
	ToolTipText = Args._ToolTipText;
	Tag = Args._Tag;
}

void SWidget::SetDebugInfo(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine)
{
	TypeOfWidget = FName(InType);
	CreatedInFile = FName(InFile);
	CreatedOnLine = OnLine;
}

FString SWidget::GetTypeAsString() const
{
	return TypeOfWidget.ToString();
}

FString SWidget::ToString() const
{
	return FString::Printf(TEXT("%s [%s(%d)]"), *TypeOfWidget.ToString(), *CreatedInFile.ToString(), CreatedOnLine);
}

EVisibility SWidget::GetVisibility() const
{
	return Visibility.Get();
}

void SWidget::SetVisibility(TAttribute<EVisibility> InVisibility)
{
	Visibility = InVisibility;
}

bool SWidget::IsEnabled() const
{
	return EnabledState.Get();
}

void SWidget::SetEnabled(TAttribute<bool> InEnabledState)
{
	EnabledState = InEnabledState;
}

FText SWidget::GetToolTipText() const
{
	return ToolTipText.Get(FText::GetEmpty());
}

void SWidget::SetToolTipText(const TAttribute<FText>& InToolTipText)
{
	ToolTipText = InToolTipText;
}

void SWidget::AssignParentWidget(TSharedPtr<SWidget> InParent)
{
	ParentWidgetPtr = InParent;
}

bool SWidget::ConditionallyDetatchParentWidget(SWidget* InExpectedParent)
{
	TSharedPtr<SWidget> Parent = ParentWidgetPtr.Pin();
	if (Parent.Get() == InExpectedParent)
	{
		ParentWidgetPtr.Reset();
		return true;
	}
	return false;
}

TSharedRef<SWidget> FNoChildren::GetChildAt(int32 Index)
{
	checkf(false, TEXT("FNoChildren::GetChildAt(%d): this widget has no children"), Index);
	return SNullWidget::NullWidget;
}

FSingleWidgetChildrenWithBasicLayoutSlot::FSingleWidgetChildrenWithBasicLayoutSlot(SWidget* InOwner)
	: FChildren(InOwner)
	, Widget(SNullWidget::NullWidget)
	, HAlignment(HAlign_Fill)
	, VAlignment(VAlign_Fill)
{
}

int32 FSingleWidgetChildrenWithBasicLayoutSlot::Num() const
{
	// An empty slot holds the null widget, which layout skips.
	return Widget == SNullWidget::NullWidget ? 0 : 1;
}

TSharedRef<SWidget> FSingleWidgetChildrenWithBasicLayoutSlot::GetChildAt(int32 Index)
{
	checkf(Index == 0 && Num() == 1, TEXT("FSingleWidgetChildrenWithBasicLayoutSlot::GetChildAt(%d) out of range"), Index);
	return Widget;
}

FSingleWidgetChildrenWithBasicLayoutSlot& FSingleWidgetChildrenWithBasicLayoutSlot::operator[](const TSharedRef<SWidget>& InChildWidget)
{
	AttachWidget(InChildWidget);
	return *this;
}

void FSingleWidgetChildrenWithBasicLayoutSlot::AttachWidget(const TSharedRef<SWidget>& InChildWidget)
{
	DetachWidget();
	Widget = InChildWidget;
	if (Widget != SNullWidget::NullWidget && Owner)
	{
		Widget->AssignParentWidget(Owner->AsShared());
	}
}

void FSingleWidgetChildrenWithBasicLayoutSlot::DetachWidget()
{
	if (Widget != SNullWidget::NullWidget)
	{
		Widget->ConditionallyDetatchParentWidget(Owner);
	}
	Widget = SNullWidget::NullWidget;
}

const TSharedRef<SWidget>& FSingleWidgetChildrenWithBasicLayoutSlot::GetWidget() const
{
	return Widget;
}

FSingleWidgetChildrenWithBasicLayoutSlot& FSingleWidgetChildrenWithBasicLayoutSlot::Padding(const FMargin& InPadding)
{
	SlotPadding = InPadding;
	return *this;
}

FSingleWidgetChildrenWithBasicLayoutSlot& FSingleWidgetChildrenWithBasicLayoutSlot::HAlign(EHorizontalAlignment InHAlignment)
{
	HAlignment = InHAlignment;
	return *this;
}

FSingleWidgetChildrenWithBasicLayoutSlot& FSingleWidgetChildrenWithBasicLayoutSlot::VAlign(EVerticalAlignment InVAlignment)
{
	VAlignment = InVAlignment;
	return *this;
}

SLeafWidget::SLeafWidget()
	: NoChildrenInstance(this)
{
}

FChildren* SLeafWidget::GetChildren()
{
	return &NoChildrenInstance;
}

SCompoundWidget::SCompoundWidget()
	: ChildSlot(this)
{
}

FChildren* SCompoundWidget::GetChildren()
{
	return &ChildSlot;
}

namespace
{
	/** The widget behind SNullWidget::NullWidget. */
	class SNullWidgetContent : public SLeafWidget
	{
	public:
		SNullWidgetContent()
		{
			SetDebugInfo("SNullWidget", __FILE__, __LINE__);
		}
	};
}

TSharedRef<SWidget> SNullWidget::NullWidget = MakeShared<SNullWidgetContent>();
