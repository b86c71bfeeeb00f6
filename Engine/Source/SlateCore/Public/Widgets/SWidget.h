// The base of every widget. The stand-in draws nothing: widgets keep their hierarchy, type,
// visibility and arguments so hosts and tests can walk and describe them.

#pragma once

#include "CoreMinimal.h"
#include "Layout/Visibility.h"
#include "Misc/Attribute.h"

class FChildren;
struct FSlateBaseNamedArgs;

class SLATECORE_API SWidget : public TSharedFromThis<SWidget>
{
public:
	virtual ~SWidget();

	/** Applies the arguments every widget takes; called by SNew before the widget's own Construct. */
	void SWidgetConstruct(const FSlateBaseNamedArgs& Args);

	/** Records what SNew created and where. */
	void SetDebugInfo(const ANSICHAR* InType, const ANSICHAR* InFile, int32 OnLine);

	FName GetType() const
	{
		return TypeOfWidget;
	}
	FString GetTypeAsString() const;

	/** Type and creation site, as the widget reflector names widgets. */
	virtual FString ToString() const;

	FName GetTag() const
	{
		return Tag;
	}

	EVisibility GetVisibility() const;
	virtual void SetVisibility(TAttribute<EVisibility> InVisibility);

	bool IsEnabled() const;
	virtual void SetEnabled(TAttribute<bool> InEnabledState);

	FText GetToolTipText() const;
	void SetToolTipText(const TAttribute<FText>& InToolTipText);

	/** The widget that holds this one, if any. */
	TSharedPtr<SWidget> GetParentWidget() const
	{
		return ParentWidgetPtr.Pin();
	}
	bool IsParentValid() const
	{
		return ParentWidgetPtr.IsValid();
	}
	void AssignParentWidget(TSharedPtr<SWidget> InParent);
	bool ConditionallyDetatchParentWidget(SWidget* InExpectedParent);

	/** The widget's children; every widget type answers. */
	virtual FChildren* GetChildren() = 0;

protected:
	SWidget();

private:
	FName TypeOfWidget;
	FName CreatedInFile;
	int32 CreatedOnLine;
	FName Tag;
	TAttribute<EVisibility> Visibility;
	TAttribute<bool> EnabledState;
	TAttribute<FText> ToolTipText;
	TWeakPtr<SWidget> ParentWidgetPtr;
};
