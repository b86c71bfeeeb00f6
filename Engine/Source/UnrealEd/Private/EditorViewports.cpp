#include "AssetEditorViewportLayout.h"
#include "EditorViewportClient.h"
#include "EditorViewportTabContent.h"
#include "Framework/Commands/UICommandList.h"
#include "Framework/MultiBox/MultiBoxExtender.h"
#include "SAssetEditorViewport.h"
#include "SEditorViewport.h"
#include "Toolkits/AssetEditorToolkit.h"
#include "Widgets/Docking/SDockTab.h"
#include "Widgets/SOverlay.h"
#include "Widgets/SViewport.h"

// ---------------------------------------------------------------- Editor viewport widgets

SEditorViewport::SEditorViewport()
{
}

SEditorViewport::~SEditorViewport()
{
}

void SEditorViewport::Construct(const FArguments& InArgs)
{
	CommandList = MakeShared<FUICommandList>();
	Client = MakeEditorViewportClient();
	Client->EditorViewportWidget = SharedThis(this);
	BindCommands();

	// clang-format off
	ChildSlot
	[
		SAssignNew(ViewportOverlay, SOverlay)
		+ SOverlay::Slot()
		[
			SAssignNew(ViewportWidget, SViewport)
		]
	];
	// clang-format on
}

void SEditorViewport::BindCommands()
{
}

void SAssetEditorViewport::Construct(const FArguments& InArgs, const FAssetEditorViewportConstructionArgs& InViewportConstructionArgs)
{
	ParentLayout = InViewportConstructionArgs.ParentLayout;
	ConfigKey = InViewportConstructionArgs.ConfigKey;
	SEditorViewport::Construct(SEditorViewport::FArguments());
}

// ---------------------------------------------------------------- Layouts and tab content

namespace
{
	/** The tab's content: keeps the tab content (and through it the layout) alive as long as the tab shows it. */
	class SViewportTabContentHolder : public SCompoundWidget
	{
	public:
		SLATE_BEGIN_ARGS(SViewportTabContentHolder)
		{
		}
		SLATE_DEFAULT_SLOT(FArguments, Content)
		SLATE_END_ARGS()

		void Construct(const FArguments& InArgs, TSharedRef<FEditorViewportTabContent> InTabContent)
		{
			TabContent = InTabContent;
			ChildSlot[InArgs._Content.Widget];
		}

	private:
		TSharedPtr<FEditorViewportTabContent> TabContent;
	};

	TArray<TWeakPtr<FEditorViewportTabContent>>& LiveTabContents()
	{
		static TArray<TWeakPtr<FEditorViewportTabContent>> Contents;
		return Contents;
	}

	const FName OnePaneLayoutName(TEXT("OnePane"));
}

FAssetEditorViewportLayout::~FAssetEditorViewportLayout()
{
}

FName FAssetEditorViewportLayout::GetLayoutTypeName() const
{
	return OnePaneLayoutName;
}

TSharedRef<SWidget> FAssetEditorViewportLayout::BuildViewportLayout(const AssetEditorViewportFactoryFunction& Func, TSharedPtr<SDockTab> InParentDockTab, TSharedPtr<FEditorViewportTabContent> InParentTabContent, const FString& LayoutString)
{
	checkf(Func, TEXT("FAssetEditorViewportLayout: a viewport layout needs a viewport factory"));
	ParentTab = InParentDockTab;
	ParentTabContent = InParentTabContent;

	// One pane; its settings live under the layout string.
	FAssetEditorViewportConstructionArgs Args;
	Args.ParentLayout = AsShared();
	Args.ConfigKey = FName(*(LayoutString + TEXT(".Viewport0")));
	Args.ViewportType = LVT_Perspective;
	Args.bRealtime = true;
	const TSharedRef<SEditorViewport> Viewport = Func(Args);
	Viewports.Add(Args.ConfigKey, Viewport);

	return SNew(SOverlay) + SOverlay::Slot()[Viewport];
}

FEditorViewportTabContent::FEditorViewportTabContent()
{
}

FEditorViewportTabContent::~FEditorViewportTabContent()
{
}

void FEditorViewportTabContent::Initialize(AssetEditorViewportFactoryFunction Func, TSharedPtr<SDockTab> InParentTab, const FString& InLayoutString)
{
	checkf(InParentTab.IsValid(), TEXT("FEditorViewportTabContent::Initialize needs the tab it fills"));
	ParentTab = InParentTab;
	LayoutString = InLayoutString;
	ActiveViewportLayout = MakeShared<FAssetEditorViewportLayout>();
	const TSharedRef<SWidget> LayoutWidget = ActiveViewportLayout->BuildViewportLayout(Func, InParentTab, AsShared(), LayoutString);
	InParentTab->SetContent(SNew(SViewportTabContentHolder, AsShared())[LayoutWidget]);

	TArray<TWeakPtr<FEditorViewportTabContent>>& Live = LiveTabContents();
	Live.RemoveAll([](const TWeakPtr<FEditorViewportTabContent>& Content) { return !Content.IsValid(); });
	Live.AddUnique(AsShared());
}

bool FEditorViewportTabContent::IsVisible() const
{
	const TSharedPtr<SDockTab> Tab = ParentTab.Pin();
	return Tab.IsValid() && Tab->IsLive();
}

bool FEditorViewportTabContent::BelongsToTab(TSharedRef<SDockTab> InParentTab) const
{
	return ParentTab.Pin() == InParentTab;
}

FName FEditorViewportTabContent::GetViewportConfigurationName() const
{
	return ActiveViewportLayout.IsValid() ? ActiveViewportLayout->GetLayoutTypeName() : NAME_None;
}

TArray<TSharedPtr<SEditorViewport>> FEditorViewportTabContent::GetViewportsForHost() const
{
	TArray<TSharedPtr<SEditorViewport>> Result;
	if (ActiveViewportLayout.IsValid())
	{
		for (const TPair<FName, TSharedPtr<SEditorViewport>>& Viewport : ActiveViewportLayout->GetViewports())
		{
			Result.Add(Viewport.Value);
		}
	}
	return Result;
}

TArray<TSharedRef<FEditorViewportTabContent>> FEditorViewportTabContent::GetLiveTabContentsForHost()
{
	TArray<TSharedRef<FEditorViewportTabContent>> Result;
	for (const TWeakPtr<FEditorViewportTabContent>& Content : LiveTabContents())
	{
		if (const TSharedPtr<FEditorViewportTabContent> Pinned = Content.Pin())
		{
			Result.Add(Pinned.ToSharedRef());
		}
	}
	return Result;
}

// ---------------------------------------------------------------- Extensibility

FExtensibilityManager::~FExtensibilityManager()
{
}

void FExtensibilityManager::AddExtender(TSharedPtr<FExtender> Extender)
{
	Extenders.AddUnique(Extender);
}

void FExtensibilityManager::RemoveExtender(TSharedPtr<FExtender> Extender)
{
	Extenders.Remove(Extender);
}

TSharedPtr<FExtender> FExtensibilityManager::GetAllExtenders()
{
	return FExtender::Combine(Extenders);
}

TSharedPtr<FExtender> FExtensibilityManager::GetAllExtenders(const TSharedRef<FUICommandList>& CommandList, const TArray<UObject*>& ContextSensitiveObjects)
{
	return GetAllExtenders();
}
