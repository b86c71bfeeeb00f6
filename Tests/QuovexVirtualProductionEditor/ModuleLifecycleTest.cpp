// The editor module's start-up and shut-down: command set, style, editor setting, game runs.

#include "QuovexEditorTestFixture.h"

#include "Framework/Commands/InputBindingManager.h"
#include "Framework/Commands/UICommandInfo.h"
#include "Internationalization/Text.h"
#include "Misc/ConfigCacheIni.h"
#include "QuovexCommands.h"
#include "QuovexVirtualProductionStyle.h"
#include "Settings/EditorLoadingSavingSettings.h"
#include "Styling/AppStyle.h"
#include "Styling/SlateStyleRegistry.h"
#include "Styling/ISlateStyle.h"

using namespace QuovexTest;

namespace
{
	struct FExpectedCommand
	{
		const char* Name;
		const char* Label;
		const char* Tooltip;
		EUserInterfaceActionType Type;
	};

	const FExpectedCommand ExpectedCommands[] = {
		{ "OpenOrvaneView", "Orvane Panel", "Open the Orvane management panel", EUserInterfaceActionType::Button },
		{ "ReconnectToSwitcher", "Reconnect to Switcher", "Reconnect to the Switcher", EUserInterfaceActionType::Button },
		{ "ResetTakeRecorder", "Reset Take Recorder", "Reset the Take Recorder settings", EUserInterfaceActionType::Button },
		{ "OpenTakeRecorder", "Take Recorder", "Open the Take Recorder panel", EUserInterfaceActionType::Button },
		{ "OpenTakeLog", "Take Log", "Open the Take Log panel", EUserInterfaceActionType::Button },
		{ "OpenTakeImporter", "Take Importer", "Open the Take Importer panel", EUserInterfaceActionType::Button },
		{ "ReconnectToKeyer", "Reconnect Keyer", "Reconnect to the Keyer", EUserInterfaceActionType::Button },
		{ "OpenVideoController", "Video Controller", "Open Video Controller", EUserInterfaceActionType::Button },
		{ "OpenBeamInManager", "Beam In Manager", "Open Beam In Manager", EUserInterfaceActionType::Button },
		{ "OpenStatus", "Status", "Open Status", EUserInterfaceActionType::Button },
		{ "ResetLayoutsDirectory", "Reset Layouts Directory", "Reset Layouts Directory", EUserInterfaceActionType::Button },
		{ "ResetViewports", "Reset Viewports", "Reset all open Viewports to default settings", EUserInterfaceActionType::Button },
		{ "OpenCameraMonitor", "Camera Monitor", "Open Camera Monitor", EUserInterfaceActionType::Button },
		{ "OpenExternalRecorderMonitor", "External Recorder Monitor", "Open External Recorder Monitor", EUserInterfaceActionType::Button },
		{ "OpenAnimationControl", "Animation Control", "Open Animation Control", EUserInterfaceActionType::Button },
		{ "OpenStageManager", "Stage Manager Panel", "Open the Quovex Stage management panel", EUserInterfaceActionType::Button },
		{ "OpenCaldraManager", "Caldra", "Open Caldra panel", EUserInterfaceActionType::Button },
		{ "OpenLensCalSequenceGenerator", "Lens Cal Sequence Generator", "Open Lens Cal Sequence Generator", EUserInterfaceActionType::Button },
		{ "OpenMeshBuilder", "Mesh Builder", "Open the tracking based mesh builder", EUserInterfaceActionType::Button },
		{ "OpenLensTweaker", "Lens Tweaker", "Open Lens Tweaker Pannel", EUserInterfaceActionType::Button },
		{ "OpenFocalDistanceWizard", "Focal Distance Wizard", "Open Focal Distance Wizard", EUserInterfaceActionType::Button },
		{ "OpenNearWideGraph", "Near Wide Tweak Graph", "Open Near Wide Tweak Graph", EUserInterfaceActionType::Button },
		{ "OpenKeyer", "Quovex Keyer", "Open Keyer", EUserInterfaceActionType::Button },
		{ "ToggleQuovexFillViewportCommand", "Quovex Output", "A viewport layout tailored to Quovex VP SDI output", EUserInterfaceActionType::RadioButton },
		{ "OpenXRController", "XR Controller", "Open the XR controller panel", EUserInterfaceActionType::Button },
		{ "OpenXRMultiCam", "XR Multi Cam", "Open the XR Multi Cam panel", EUserInterfaceActionType::Button },
		{ "OpenXRCameraPPSettings", "XR Camera Settings", "Open XR Camera Post Process Settings details view", EUserInterfaceActionType::Button },
		{ "OpenXRColorTransfer", "XR Color Transfer", "Open the XR Color Transfer panel", EUserInterfaceActionType::Button },
	};

	const FName CommandContext(TEXT("QuovexCommands"));

	TArray<TSharedPtr<FUICommandInfo>> RegisteredCommands()
	{
		TArray<TSharedPtr<FUICommandInfo>> Commands;
		FInputBindingManager::Get().GetCommandInfosFromContext(CommandContext, Commands);
		return Commands;
	}

	bool IsStyleRegistered()
	{
		return FSlateStyleRegistry::FindSlateStyle(FQuovexVirtualProductionStyle::GetStyleSetName()) != nullptr;
	}

	class ModuleLifecycleTest : public FQuovexEditorTest
	{
	};
}

TEST_F(ModuleLifecycleTest, StartupRegistersTheCommandSetInOrder)
{
	ASSERT_TRUE(Boot());

	const TSharedPtr<FBindingContext> Context = FInputBindingManager::Get().GetContextByName(CommandContext);
	ASSERT_TRUE(Context.IsValid());
	EXPECT_EQ(HostTest::Utf8(Context->GetContextDesc().ToString()), "Quovex Commands");
	EXPECT_TRUE(Context->GetContextParent().IsNone());
	EXPECT_EQ(Context->GetStyleSetName(), FAppStyle::GetAppStyleSetName());

	const TArray<TSharedPtr<FUICommandInfo>> Commands = RegisteredCommands();
	ASSERT_EQ(Commands.Num(), int32(UE_ARRAY_COUNT(ExpectedCommands)));
	int32 RadioButtons = 0;
	for (int32 Index = 0; Index < Commands.Num(); ++Index)
	{
		const FExpectedCommand& Expected = ExpectedCommands[Index];
		const TSharedPtr<FUICommandInfo>& Command = Commands[Index];
		SCOPED_TRACE(Expected.Name);
		EXPECT_EQ(HostTest::Utf8(Command->GetCommandName().ToString()), Expected.Name);
		EXPECT_EQ(HostTest::Utf8(Command->GetLabel().ToString()), Expected.Label);
		EXPECT_EQ(HostTest::Utf8(Command->GetDescription().ToString()), Expected.Tooltip);
		EXPECT_EQ(Command->GetUserInterfaceType(), Expected.Type);
		EXPECT_FALSE(Command->GetDefaultChord(EMultipleKeyBindingIndex::Primary).IsValidChord());
		EXPECT_FALSE(Command->GetDefaultChord(EMultipleKeyBindingIndex::Secondary).IsValidChord());
		EXPECT_EQ(HostTest::Utf8(Command->GetIcon().GetStyleName().ToString()), std::string("QuovexCommands.") + Expected.Name);
		RadioButtons += Command->GetUserInterfaceType() == EUserInterfaceActionType::RadioButton ? 1 : 0;
	}
	EXPECT_EQ(RadioButtons, 1);

	// The labels are localisable texts of the commands' own namespace, keyed by command name.
	EXPECT_EQ(HostTest::Utf8(FTextInspector::GetKey(Commands[0]->GetLabel()).Get(FString())), "OpenOrvaneView");
	EXPECT_EQ(HostTest::Utf8(FTextInspector::GetKey(Commands[0]->GetDescription()).Get(FString())), "OpenOrvaneView_ToolTip");
}

TEST_F(ModuleLifecycleTest, RegisteringAgainKeepsOneContext)
{
	ASSERT_TRUE(Boot());
	FQuovexCommands::Register();
	EXPECT_TRUE(FQuovexCommands::IsRegistered());
	EXPECT_EQ(RegisteredCommands().Num(), 28);

	TArray<TSharedPtr<FBindingContext>> Contexts;
	FInputBindingManager::Get().GetKnownInputContexts(Contexts);
	int32 Matches = 0;
	for (const TSharedPtr<FBindingContext>& Context : Contexts)
	{
		Matches += Context->GetContextName() == CommandContext ? 1 : 0;
	}
	EXPECT_EQ(Matches, 1);
}

TEST_F(ModuleLifecycleTest, StartupRegistersTheStyleAndShutdownUndoesBoth)
{
	ASSERT_TRUE(Boot());
	const ISlateStyle* Style = FSlateStyleRegistry::FindSlateStyle(FQuovexVirtualProductionStyle::GetStyleSetName());
	ASSERT_NE(Style, nullptr);
	EXPECT_NE(Style->GetBrush(TEXT("QuovexVirtualProductionPlugin.Icon.Medium")), Style->GetDefaultBrush());
	EXPECT_NE(Style->GetBrush(TEXT("QuovexVirtualProductionPlugin.Icon.Small")), Style->GetDefaultBrush());

	FEditorHost::Shutdown();
	EXPECT_FALSE(FQuovexCommands::IsRegistered());
	EXPECT_FALSE(FInputBindingManager::Get().GetContextByName(CommandContext).IsValid());
	EXPECT_FALSE(IsStyleRegistered());
}

TEST_F(ModuleLifecycleTest, EditorStartupTurnsAutosaveOffAndSavesIt)
{
	ASSERT_TRUE(Boot());
	EXPECT_FALSE(GetDefault<UEditorLoadingSavingSettings>()->bAutoSaveEnable);

	// The setting is written where the editor keeps per-user project settings, not left in memory only.
	const FString Section = UEditorLoadingSavingSettings::StaticClass()->GetPathName();
	bool bSaved = true;
	ASSERT_TRUE(GConfig->GetBool(*Section, TEXT("bAutoSaveEnable"), bSaved, GEditorPerProjectIni));
	EXPECT_FALSE(bSaved);
}

TEST_F(ModuleLifecycleTest, GameRunSetsUpOnlyCommandsStyleAndThePresetHook)
{
	ASSERT_TRUE(Boot(true));
	EXPECT_TRUE(FQuovexCommands::IsRegistered());
	EXPECT_TRUE(IsStyleRegistered());
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded(TEXT("LevelEditor")));
	EXPECT_TRUE(GetDefault<UEditorLoadingSavingSettings>()->bAutoSaveEnable);

	// The asset-registry hook is the one editor-side step a game run keeps.
	EndFrame();
	EXPECT_EQ(LiveLinkSubjects(), (std::vector<std::string>{ "CamA", "CamB", "StageOrigin" }));

	FEditorHost::Shutdown();
	EXPECT_FALSE(FQuovexCommands::IsRegistered());
	EXPECT_FALSE(IsStyleRegistered());
}

TEST_F(ModuleLifecycleTest, ConsoleListsTheCommandSetInOrder)
{
	ASSERT_TRUE(Boot());
	struct FLines : public FOutputDevice
	{
		void Serialize(const TCHAR* V, ELogVerbosity::Type, const FName&) override
		{
			Lines.push_back(HostTest::Utf8(V));
		}
		std::vector<std::string> Lines;
	} Out;
	ASSERT_TRUE(FEditorHost::Exec(TEXT("bindings QuovexCommands"), Out));

	// One line a command, in registration order, carrying its label and tooltip.
	size_t Line = 0;
	for (const FExpectedCommand& Expected : ExpectedCommands)
	{
		while (Line < Out.Lines.size() && Out.Lines[Line].find(std::string(Expected.Name) + " ") == std::string::npos)
		{
			++Line;
		}
		ASSERT_LT(Line, Out.Lines.size()) << Expected.Name;
		EXPECT_NE(Out.Lines[Line].find(Expected.Label), std::string::npos) << Out.Lines[Line];
		EXPECT_NE(Out.Lines[Line].find(Expected.Tooltip), std::string::npos) << Out.Lines[Line];
	}
	EXPECT_FALSE(FEditorHost::Exec(TEXT("bindings NoSuchContext"), Out));
}
