#include "EditorUtilityWidgetBlueprint.h"

#include "BlutilityPrivate.h"
#include "Editor.h"
#include "EditorUtilityWidget.h"
#include "Engine/World.h"
#include "Framework/Docking/TabManager.h"
#include "UObject/Package.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/SNullWidget.h"

TSharedRef<SDockTab> UEditorUtilityWidgetBlueprint::SpawnEditorUITab(const FSpawnTabArgs& SpawnTabArgs)
{
	TSharedRef<SWidget> Content = CreateUtilityWidget();

	FText Label = FText::FromString(GetName());
	if (GetLiveCreatedWidget() != nullptr && !CreatedUMGWidget->GetTabDisplayName().IsEmpty())
	{
		Label = CreatedUMGWidget->GetTabDisplayName();
	}

	// clang-format off
	TSharedRef<SDockTab> SpawnedTab = SNew(SDockTab)
		.TabRole(bSpawnAsNomadTab ? ETabRole::NomadTab : ETabRole::PanelTab)
		.Label(Label)
		[
			Content
		];
	// clang-format on
	CreatedTab = SpawnedTab;
	return SpawnedTab;
}

TSharedRef<SWidget> UEditorUtilityWidgetBlueprint::CreateUtilityWidget()
{
	// A new tab gets a new widget; the previous one leaves its tab's Slate widgets behind.
	if (GetLiveCreatedWidget() != nullptr)
	{
		CreatedUMGWidget->ReleaseSlateResources(true);
		CreatedUMGWidget = nullptr;
	}

	UClass* WidgetClass = GeneratedClass;
	if (WidgetClass == nullptr || !WidgetClass->IsChildOf(UEditorUtilityWidget::StaticClass()))
	{
		UE_LOG(LogEditorUtilityBlueprint, Warning, TEXT("%s has no editor utility widget class to create (is its parent class missing?); its tab stays empty"), *GetPathName());
		return SNullWidget::NullWidget;
	}

	// Panels live in the level being edited, as the editor's own utility widgets do.
	UObject* Owner = GetTransientPackage();
	if (GEditor != nullptr && GEditor->GetEditorWorldContext().World() != nullptr)
	{
		Owner = GEditor->GetEditorWorldContext().World();
	}

	CreatedUMGWidget = CreateWidget<UEditorUtilityWidget>(Owner, WidgetClass);
	CreatedUMGWidgetLifetime = CreatedUMGWidget.Get();
	if (CreatedUMGWidget == nullptr)
	{
		return SNullWidget::NullWidget;
	}
	return CreatedUMGWidget->TakeWidget();
}

UEditorUtilityWidget* UEditorUtilityWidgetBlueprint::GetCreatedWidget() const
{
	return CreatedUMGWidgetLifetime.Get();
}

UEditorUtilityWidget* UEditorUtilityWidgetBlueprint::GetLiveCreatedWidget()
{
	if (!CreatedUMGWidgetLifetime.IsValid())
	{
		CreatedUMGWidget = nullptr;
	}
	return CreatedUMGWidget;
}

FName UEditorUtilityWidgetBlueprint::GetRegistrationName() const
{
	return RegistrationName;
}

void UEditorUtilityWidgetBlueprint::SetRegistrationName(FName InRegistrationName)
{
	RegistrationName = InRegistrationName;
}

TSharedPtr<SDockTab> UEditorUtilityWidgetBlueprint::GetCreatedTab() const
{
	TSharedPtr<SDockTab> Tab = CreatedTab.Pin();
	return Tab.IsValid() && Tab->IsLive() ? Tab : nullptr;
}
