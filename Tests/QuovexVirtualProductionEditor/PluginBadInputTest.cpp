// The plugin's console commands and the files it reads, given bad input: every command refuses what it cannot
// take with an error, none lets an over-long name reach the engine, and a broken preset leaves its file alone.

#include "QuovexEditorTestFixture.h"

#include "HAL/IConsoleManager.h"
#include "Misc/OutputDevice.h"

using namespace QuovexTest;

namespace
{
	/** What one command printed, and whether any of it was an error. */
	class FCommandOutput : public FOutputDevice
	{
	public:
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& Category) override
		{
			Lines.Add(V);
			if (Verbosity == ELogVerbosity::Error)
			{
				Errors.Add(V);
			}
		}

		bool HasError(const FString& Text) const
		{
			return Errors.ContainsByPredicate([&Text](const FString& Line) { return Line.Contains(Text); });
		}

		FString Joined() const
		{
			return FString::Join(Lines, TEXT("\n")).Left(2000);
		}

		TArray<FString> Lines;
		TArray<FString> Errors;
	};

	class PluginBadInputTest : public FQuovexEditorTest
	{
	protected:
		/** The plugin's console commands, by name. */
		static TArray<FString> PluginCommands()
		{
			TArray<FString> Names;
			IConsoleManager::Get().ForEachConsoleObjectThatStartsWith(FConsoleObjectVisitor::CreateLambda([&Names](const TCHAR* Name, IConsoleObject* Object) {
				if (Object->AsCommand())
				{
					Names.Add(Name);
				}
			}),
				TEXT("Quovex."));
			return Names;
		}

		/** Runs Line, which must fail with an error naming Message. */
		static void ExpectRefused(const FString& Line, const FString& Message)
		{
			SCOPED_TRACE(TCHAR_TO_UTF8(*Line.Left(120)));
			FCommandOutput Out;
			EXPECT_FALSE(FEditorHost::Exec(Line, Out));
			EXPECT_TRUE(Message.IsEmpty() ? !Out.Errors.IsEmpty() : Out.HasError(Message)) << TCHAR_TO_UTF8(*Out.Joined());
			EXPECT_TRUE(FEditorHost::IsBooted());
		}
	};
}

TEST_F(PluginBadInputTest, EveryPluginCommandRefusesAnArgumentLongerThanANameWithAnError)
{
	ASSERT_TRUE(Boot());
	const TArray<FString> Commands = PluginCommands();
	ASSERT_GE(Commands.Num(), 20);
	const FString Long = FString::ChrN(2000, TEXT('q'));
	for (const FString& Command : Commands)
	{
		// As a name, as an object path, and as the last of too many words.
		ExpectRefused(Command + TEXT(" ") + Long, FString());
		ExpectRefused(Command + TEXT(" /Game/") + Long, FString());
		ExpectRefused(Command + TEXT(" one two three four ") + Long, FString());
	}
	EXPECT_TRUE(FEditorHost::HasCommandFailed());
}

TEST_F(PluginBadInputTest, NamesAndPathsTooLongForTheEngineAreRefusedBeforeTheyBecomeNames)
{
	ASSERT_TRUE(Boot());
	const FString Long = FString::ChrN(NAME_SIZE, TEXT('q'));
	const FString Refusal = FString::Printf(TEXT("is %d characters long; names and paths take up to %d"), NAME_SIZE, NAME_SIZE - 1);
	ExpectRefused(TEXT("Quovex.IsActorLockedToViewport ") + Long, Refusal);
	ExpectRefused(TEXT("Quovex.SaveAsset ") + Long, Refusal);
	ExpectRefused(TEXT("Quovex.AddPlacementModeItem ") + Long, Refusal);
	ExpectRefused(TEXT("Quovex.RemovePlacementModeItem ") + Long, Refusal);
	ExpectRefused(TEXT("Quovex.DuplicateAsset /Game/LiveLink/StagePreset.StagePreset /Game/Backups ") + Long, Refusal);
	ExpectRefused(TEXT("Quovex.AsyncActions register ") + Long, FString::Printf(TEXT("An action name takes up to %d characters, not %d"), NAME_SIZE - 1, NAME_SIZE));
	ExpectRefused(TEXT("Quovex.AsyncActions unregister ") + Long, TEXT("An action name takes up to"));
	EXPECT_FALSE(std::filesystem::exists(Temp.Path("Demo/Content/Backups")));

	// One character less is a name like any other: the command runs and finds nothing of that name.
	const FString Longest = Long.Left(NAME_SIZE - 1);
	FCommandOutput Out;
	EXPECT_TRUE(FEditorHost::Exec(TEXT("Quovex.IsActorLockedToViewport ") + Longest, Out));
	EXPECT_EQ(Out.Lines, TArray<FString>{ TEXT("false") });
	ExpectRefused(TEXT("Quovex.AsyncActions unregister ") + Longest, TEXT("No async action named qqq"));
}

TEST_F(PluginBadInputTest, QuotesAndWordsThePluginCommandsCannotUseAreNamedInTheirErrors)
{
	ASSERT_TRUE(Boot());
	const struct
	{
		const TCHAR* Line;
		const TCHAR* Message;
	} Lines[] = {
		{ TEXT("Quovex.FindCamera \"Camera B"), TEXT("Quovex.FindCamera: a quote is left open") },
		{ TEXT("Quovex.FindCamera \"Camera \\\"B\\\"\""), TEXT("No Quovex camera named Camera \"B\" in the current world") },
		{ TEXT("Quovex.FindCamera Kämera Ω"), TEXT("No Quovex camera named Kämera Ω in the current world") },
		{ TEXT("Quovex.TriggerActiveCameraChanged Nobody"), TEXT("No Quovex camera named Nobody") },
		{ TEXT("Quovex.WatchEvents sometimes"), TEXT("Usage: Quovex.WatchEvents [on|off]") },
		{ TEXT("Quovex.AsyncActions register"), TEXT("Usage: Quovex.AsyncActions") },
		{ TEXT("Quovex.AsyncActions forget Action"), TEXT("Usage: Quovex.AsyncActions") },
		{ TEXT("Quovex.AsyncActions unregister Nobody"), TEXT("No async action named Nobody") },
		{ TEXT("Quovex.AsyncActions register None"), TEXT("Usage: Quovex.AsyncActions") },
		{ TEXT("Quovex.DuplicateAsset /Game/Takes/Nowhere.Nowhere /Game/Backups Copy"), TEXT("No asset /Game/Takes/Nowhere.Nowhere to duplicate") },
		{ TEXT("Quovex.AddPlacementModeItem /Game/Nowhere.Nowhere"), TEXT("No object /Game/Nowhere.Nowhere") },
		{ TEXT("Quovex.Cameras all"), TEXT("Quovex.Cameras takes no arguments") },
		{ TEXT("Quovex.ActiveCamera \"\""), TEXT("Quovex.ActiveCamera takes no arguments") },
		{ TEXT("Quovex.TriggerOpenTakeRecorder now"), TEXT("This command takes no arguments") },
	};
	for (const auto& Bad : Lines)
	{
		ExpectRefused(Bad.Line, Bad.Message);
	}
	EXPECT_FALSE(std::filesystem::exists(Temp.Path("Demo/Content/Backups")));
}

TEST_F(PluginBadInputTest, EveryPluginCommandReadsQuotesAndBackslashesAsTheHostCommandsDo)
{
	ASSERT_TRUE(Boot());
	for (const FString& Command : PluginCommands())
	{
		ExpectRefused(Command + TEXT(" \"open words"), Command + TEXT(": a quote is left open"));
		ExpectRefused(Command + TEXT(" word\\"), Command + TEXT(": a backslash ends the line"));
	}

	// A label with a space, quoted, escaped or as two words, finds the one camera.
	for (const TCHAR* Line : { TEXT("Quovex.FindCamera \"Camera B\""), TEXT("Quovex.FindCamera Camera\\ B"), TEXT("Quovex.FindCamera Camera B") })
	{
		SCOPED_TRACE(TCHAR_TO_UTF8(Line));
		FCommandOutput Out;
		EXPECT_TRUE(FEditorHost::Exec(Line, Out));
		ASSERT_EQ(Out.Lines.Num(), 1) << TCHAR_TO_UTF8(*Out.Joined());
		EXPECT_TRUE(Out.Lines[0].StartsWith(TEXT("Camera B: /Game/Maps/"))) << TCHAR_TO_UTF8(*Out.Joined());
	}

	// Quotes are not part of a path or a name.
	FCommandOutput Out;
	EXPECT_TRUE(FEditorHost::Exec(TEXT("Quovex.DuplicateAsset \"/Game/LiveLink/StagePreset.StagePreset\" \"/Game/Backups\" \"Copy\""), Out)) << TCHAR_TO_UTF8(*Out.Joined());
	EXPECT_EQ(Out.Lines, TArray<FString>{ TEXT("/Game/Backups/Copy.Copy") });
	ExpectRefused(TEXT("Quovex.AsyncActions \"\" A"), TEXT("Usage: Quovex.AsyncActions"));
}

TEST_F(PluginBadInputTest, ABrokenLiveLinkPresetIsSkippedByNameAndLeftAsItWas)
{
	const std::filesystem::path Preset = Temp.Path("Demo/Content/LiveLink/StagePreset.uasset.json");
	const std::string Whole = HostTest::ReadFile(Preset);
	ASSERT_GT(Whole.size(), 40u);
	const std::string Cut = Whole.substr(0, Whole.size() / 2);
	HostTest::WriteFile(Preset, Cut);

	FHostLogCapture Log;
	ASSERT_TRUE(Boot());
	EXPECT_TRUE(Log.Contains(TEXT("StagePreset.uasset.json is malformed"))) << HostTest::Utf8(FString::Join(Log.GetLines(), TEXT("\n")).Left(4000));
	// No preset was applied, so the stage's subjects are not there; the editor is up all the same.
	EXPECT_TRUE(LiveLinkSubjects().empty());
	FCommandOutput Out;
	EXPECT_TRUE(FEditorHost::Exec(TEXT("Quovex.ActiveCamera"), Out));
	FEditorHost::Shutdown();
	EXPECT_EQ(HostTest::ReadFile(Preset), Cut);
}
