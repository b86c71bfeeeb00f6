#pragma once

#include "CoreMinimal.h"
#include "Components/Widget.h"
#include "Templates/SubclassOf.h"
#include "Templates/Casts.h"

#include "UserWidget.generated.h"

class UWidgetTree;
class UWidgetBlueprintGeneratedClass;

/** A widget made of a tree of other widgets; the base of widget Blueprints. */
UCLASS(Abstract, editinlinenew, BlueprintType, Blueprintable, MinimalAPI, meta = (DontUseGenericSpawnObject = "True", DisableNativeTick))
class UUserWidget : public UWidget
{
	GENERATED_BODY()

public:
	/** The widgets of this instance, copied from its class's tree by Initialize. */
	UPROPERTY(Transient, DuplicateTransient)
	TObjectPtr<UWidgetTree> WidgetTree;

	/** Gives the widget its own copy of its class's widget tree; once per widget. True when the widget is initialised. */
	UMG_API virtual bool Initialize();

	/** The root of the widget tree, or null. */
	UMG_API UWidget* GetRootWidget() const;

	/** Whether this is an editor utility widget. */
	UMG_API virtual bool IsEditorUtility() const;

	/** The widget Blueprint class that supplied the widget tree, or null. */
	UMG_API UWidgetBlueprintGeneratedClass* GetWidgetTreeOwningClass() const;

	UMG_API virtual void ReleaseSlateResources(bool bReleaseChildren) override;

	/** Creates and initialises a widget of WidgetClass owned by Owner; null for an abstract or non-user-widget class. */
	UMG_API static UUserWidget* CreateWidgetInstance(UObject& Owner, TSubclassOf<UUserWidget> UserWidgetClass, FName WidgetName);

protected:
	/** Called once, when the widget is initialised. */
	UMG_API virtual void NativeOnInitialized();

	/** Called when the Slate widget has been built. */
	UMG_API virtual void NativeConstruct();

	/** Called when the Slate widget is released. */
	UMG_API virtual void NativeDestruct();

	UMG_API virtual TSharedRef<SWidget> RebuildWidget() override;
	UMG_API virtual void OnWidgetRebuilt() override;

private:
	bool bInitialized = false;
	bool bConstructed = false;
};

/** Creates a user widget of UserWidgetClass owned by OwningObject (a world, a widget, ...), initialised. */
template<typename WidgetT = UUserWidget, typename OwnerT = UObject>
WidgetT* CreateWidget(OwnerT* OwningObject, TSubclassOf<UUserWidget> UserWidgetClass = WidgetT::StaticClass(), FName WidgetName = NAME_None)
{
	if (OwningObject == nullptr)
	{
		return nullptr;
	}
	return Cast<WidgetT>(UUserWidget::CreateWidgetInstance(*OwningObject, UserWidgetClass, WidgetName));
}
