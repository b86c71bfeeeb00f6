#include "Blueprint/UserWidget.h"

#include "Blueprint/WidgetBlueprintGeneratedClass.h"
#include "Blueprint/WidgetTree.h"
#include "Slate/SObjectWidget.h"
#include "UMGPrivate.h"
#include "UObject/Package.h"
#include "Widgets/SNullWidget.h"

bool UUserWidget::Initialize()
{
	if (bInitialized)
	{
		return false;
	}
	bInitialized = true;

	// Each instance edits its own widgets, so it takes a copy of its class's tree.
	UWidgetBlueprintGeneratedClass* OwningClass = GetWidgetTreeOwningClass();
	if (OwningClass != nullptr)
	{
		WidgetTree = DuplicateObject<UWidgetTree>(OwningClass->GetWidgetTreeArchetype(), this, TEXT("WidgetTree"));
	}
	if (WidgetTree == nullptr)
	{
		WidgetTree = NewObject<UWidgetTree>(this, TEXT("WidgetTree"), RF_Transient);
	}

	NativeOnInitialized();
	return true;
}

UWidget* UUserWidget::GetRootWidget() const
{
	return WidgetTree != nullptr ? WidgetTree->RootWidget.Get() : nullptr;
}

bool UUserWidget::IsEditorUtility() const
{
	return false;
}

UWidgetBlueprintGeneratedClass* UUserWidget::GetWidgetTreeOwningClass() const
{
	UWidgetBlueprintGeneratedClass* WidgetClass = Cast<UWidgetBlueprintGeneratedClass>(GetClass());
	return WidgetClass != nullptr ? WidgetClass->FindWidgetTreeOwningClass() : nullptr;
}

void UUserWidget::ReleaseSlateResources(bool bReleaseChildren)
{
	if (bConstructed)
	{
		bConstructed = false;
		NativeDestruct();
	}
	if (bReleaseChildren)
	{
		if (UWidget* Root = GetRootWidget())
		{
			Root->ReleaseSlateResources(true);
		}
	}
	Super::ReleaseSlateResources(bReleaseChildren);
}

UUserWidget* UUserWidget::CreateWidgetInstance(UObject& Owner, TSubclassOf<UUserWidget> UserWidgetClass, FName WidgetName)
{
	UClass* Class = UserWidgetClass.Get();
	if (Class == nullptr || !Class->IsChildOf(UUserWidget::StaticClass()))
	{
		UE_LOG(LogUMG, Error, TEXT("CreateWidget can only be used on UUserWidget children (%s)"), Class ? *Class->GetName() : TEXT("None"));
		return nullptr;
	}
	if (Class->HasAnyClassFlags(CLASS_Abstract))
	{
		UE_LOG(LogUMG, Error, TEXT("Abstract widget class %s cannot be created"), *Class->GetName());
		return nullptr;
	}

	UUserWidget* Widget = NewObject<UUserWidget>(&Owner, Class, WidgetName, RF_Transactional);
	Widget->Initialize();
	return Widget;
}

void UUserWidget::NativeOnInitialized()
{
}

void UUserWidget::NativeConstruct()
{
}

void UUserWidget::NativeDestruct()
{
}

TSharedRef<SWidget> UUserWidget::RebuildWidget()
{
	Initialize();
	UWidget* Root = GetRootWidget();
	TSharedRef<SWidget> Content = Root != nullptr ? Root->TakeWidget() : SNullWidget::NullWidget;
	return SNew(SObjectWidget, this)[Content];
}

void UUserWidget::OnWidgetRebuilt()
{
	if (!bConstructed)
	{
		bConstructed = true;
		NativeConstruct();
	}
}
