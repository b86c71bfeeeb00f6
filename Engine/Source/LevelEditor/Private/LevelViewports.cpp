#include "ILevelEditor.h"
#include "LevelEditor.h"
#include "LevelEditorViewport.h"
#include "LevelViewportActions.h"
#include "LevelViewportTabContent.h"
#include "Framework/Commands/UICommandList.h"
#include "Modules/ModuleManager.h"
#include "SLevelEditor.h"
#include "SLevelViewport.h"
#include "Styling/AppStyle.h"
#include "Widgets/SOverlay.h"

#define LOCTEXT_NAMESPACE "LevelViewportActions"

// ---------------------------------------------------------------- Commands

FLevelViewportCommands::FLevelViewportCommands()
	: TCommands<FLevelViewportCommands>(TEXT("LevelViewport"), NSLOCTEXT("Contexts", "LevelViewportCommands", "Level Editor Viewport"), NAME_None, FAppStyle::GetAppStyleSetName())
{
}

FLevelViewportCommands::~FLevelViewportCommands()
{
}

void FLevelViewportCommands::RegisterCommands()
{
	UI_COMMAND(UseDefaultShowFlags, "Use Defaults", "Resets all show flags to default", EUserInterfaceActionType::Button, FInputChord());
}

FLevelViewportCommands& FLevelViewportCommands::Get()
{
	return const_cast<FLevelViewportCommands&>(TCommands<FLevelViewportCommands>::Get());
}

// ---------------------------------------------------------------- Level viewport

SLevelViewport::SLevelViewport()
{
}

SLevelViewport::~SLevelViewport()
{
}

void SLevelViewport::Construct(const FArguments& InArgs, const FAssetEditorViewportConstructionArgs& InConstructionArgs)
{
	ParentLevelEditor = InArgs._ParentLevelEditor;
	SAssetEditorViewport::Construct(SAssetEditorViewport::FArguments(), InConstructionArgs);
}

TSharedRef<FEditorViewportClient> SLevelViewport::MakeEditorViewportClient()
{
	LevelViewportClient = MakeShareable(new FLevelEditorViewportClient(SharedThis(this)));
	return LevelViewportClient.ToSharedRef();
}

void SLevelViewport::BindCommands()
{
	SAssetEditorViewport::BindCommands();
	CommandList->MapAction(FLevelViewportCommands::Get().UseDefaultShowFlags, FExecuteAction::CreateSP(this, &SLevelViewport::OnUseDefaultShowFlags, false));
}

void SLevelViewport::OnUseDefaultShowFlags(bool bUseSavedDefaults)
{
	// The stand-in keeps no saved per-viewport defaults: both forms return to the engine's.
	LevelViewportClient->EngineShowFlags = FEngineShowFlags(ESFIM_Editor);
}

void SLevelViewport::AddOverlayWidget(TSharedRef<SWidget> OverlaidWidget)
{
	ViewportOverlay->AddSlot()[OverlaidWidget];
}

void SLevelViewport::RemoveOverlayWidget(TSharedRef<SWidget> OverlaidWidget)
{
	ViewportOverlay->RemoveSlot(OverlaidWidget);
}

FEditorViewportClient& SLevelViewport::GetAssetViewportClient()
{
	return *LevelViewportClient;
}

FLevelEditorViewportClient& SLevelViewport::GetLevelViewportClient()
{
	return *LevelViewportClient;
}

// ---------------------------------------------------------------- Level editor widget

void SLevelEditor::Construct(const FArguments& InArgs)
{
	FAssetEditorViewportConstructionArgs ViewportArgs;
	ViewportArgs.ConfigKey = FName(TEXT("LevelEditor.Viewport0"));
	ViewportArgs.ViewportType = LVT_Perspective;
	ViewportArgs.bRealtime = true;
	// clang-format off
	ChildSlot
	[
		SAssignNew(MainViewport, SLevelViewport, ViewportArgs)
		.ParentLevelEditor(SharedThis(this))
	];
	// clang-format on
}

TSharedPtr<SLevelViewport> SLevelEditor::GetActiveViewportInterface()
{
	return MainViewport;
}

TArray<TSharedPtr<SLevelViewport>> SLevelEditor::GetViewports() const
{
	TArray<TSharedPtr<SLevelViewport>> Viewports;
	Viewports.Add(MainViewport);
	for (const TWeakPtr<SLevelViewport>& Standalone : StandaloneViewports)
	{
		if (const TSharedPtr<SLevelViewport> Pinned = Standalone.Pin())
		{
			Viewports.Add(Pinned);
		}
	}
	return Viewports;
}

void SLevelEditor::AddStandaloneLevelViewport(const TSharedRef<SLevelViewport>& LevelViewport)
{
	StandaloneViewports.RemoveAll([](const TWeakPtr<SLevelViewport>& Viewport) { return !Viewport.IsValid(); });
	StandaloneViewports.Add(LevelViewport);
}

TSharedPtr<FTabManager> SLevelEditor::GetTabManager() const
{
	const FLevelEditorModule* Module = FModuleManager::GetModulePtr<FLevelEditorModule>(TEXT("LevelEditor"));
	return Module ? Module->GetLevelEditorTabManager() : nullptr;
}

// ---------------------------------------------------------------- Viewport tab content

FLevelViewportTabContent::~FLevelViewportTabContent()
{
}

void FLevelViewportTabContent::Initialize(AssetEditorViewportFactoryFunction Func, TSharedPtr<SDockTab> InParentTab, const FString& InLayoutString)
{
	FEditorViewportTabContent::Initialize(MoveTemp(Func), InParentTab, InLayoutString);
}

#undef LOCTEXT_NAMESPACE
