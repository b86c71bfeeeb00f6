// The desktop platform's folder and file pickers, answered by the host.

#include "DesktopPlatformHost.h"
#include "EngineTestPrinters.h"
#include "DesktopPlatformModule.h"
#include "IDesktopPlatform.h"
#include "Misc/OutputDevice.h"
#include "Misc/OutputDeviceRedirector.h"

#include <gtest/gtest.h>

namespace
{
	using namespace UE::DesktopPlatformHost;

	/** Collects the Warning lines of one log category while alive. */
	class FWarningCapture : public FOutputDevice
	{
	public:
		explicit FWarningCapture(const TCHAR* InCategory)
			: Category(InCategory)
		{
			GLog->AddOutputDevice(this);
		}
		virtual ~FWarningCapture()
		{
			GLog->RemoveOutputDevice(this);
		}
		virtual void Serialize(const TCHAR* V, ELogVerbosity::Type Verbosity, const FName& InCategory) override
		{
			if (InCategory == Category && Verbosity == ELogVerbosity::Warning)
			{
				Lines.Add(V);
			}
		}

		FName Category;
		TArray<FString> Lines;
	};

	class DesktopPlatformDialogs : public ::testing::Test
	{
	protected:
		virtual void SetUp() override
		{
			Reset();
			Platform = FDesktopPlatformModule::Get();
			ASSERT_NE(Platform, nullptr);
		}
		virtual void TearDown() override
		{
			Reset();
		}

		IDesktopPlatform* Platform = nullptr;
		int32 ParentWindow = 0;
	};
}

TEST_F(DesktopPlatformDialogs, FolderPickerReturnsTheAnswerAndRecordsWhatWasAsked)
{
	PushAnswer(TEXT("C:\\Shots\\Day1\\"));
	FString Folder;
	EXPECT_TRUE(Platform->OpenDirectoryDialog(&ParentWindow, TEXT("Choose a folder"), TEXT("/stage/takes"), Folder));
	EXPECT_EQ(Folder, TEXT("C:/Shots/Day1"));

	ASSERT_EQ(GetRequests().Num(), 1);
	const FDialogRequest& Request = GetRequests()[0];
	EXPECT_EQ(Request.Kind, EDialogKind::Directory);
	EXPECT_EQ(Request.ParentWindowHandle, &ParentWindow);
	EXPECT_EQ(Request.Title, TEXT("Choose a folder"));
	EXPECT_EQ(Request.DefaultPath, TEXT("/stage/takes"));
}

TEST_F(DesktopPlatformDialogs, CancelledDialoguesLeaveTheirOutputsAlone)
{
	PushAnswer(TEXT(""));
	PushAnswer(TEXT("   "));
	FString Folder = TEXT("unchanged");
	EXPECT_FALSE(Platform->OpenDirectoryDialog(nullptr, TEXT("Pick"), TEXT(""), Folder));
	EXPECT_EQ(Folder, TEXT("unchanged"));

	TArray<FString> Files = { TEXT("earlier.wav") };
	EXPECT_FALSE(Platform->OpenFileDialog(nullptr, TEXT("Pick"), TEXT(""), TEXT(""), TEXT(""), EFileDialogFlags::None, Files));
	ASSERT_EQ(Files.Num(), 1);
	EXPECT_EQ(Files[0], TEXT("earlier.wav"));
	EXPECT_EQ(GetRequests().Num(), 2);
}

TEST_F(DesktopPlatformDialogs, QueuedAnswersAreUsedInOrderBeforeTheProvider)
{
	int32 ProviderCalls = 0;
	SetAnswerProvider([&ProviderCalls](const FDialogRequest& Request) {
		++ProviderCalls;
		return FString::Printf(TEXT("/from/provider/%s"), *Request.Title);
	});
	PushAnswer(TEXT("/first"));
	PushAnswer(TEXT("/second"));
	EXPECT_EQ(GetPendingAnswerCount(), 2);

	FString Folder;
	ASSERT_TRUE(Platform->OpenDirectoryDialog(nullptr, TEXT("A"), TEXT(""), Folder));
	EXPECT_EQ(Folder, TEXT("/first"));
	ASSERT_TRUE(Platform->OpenDirectoryDialog(nullptr, TEXT("B"), TEXT(""), Folder));
	EXPECT_EQ(Folder, TEXT("/second"));
	EXPECT_EQ(ProviderCalls, 0);

	ASSERT_TRUE(Platform->OpenDirectoryDialog(nullptr, TEXT("C"), TEXT(""), Folder));
	EXPECT_EQ(Folder, TEXT("/from/provider/C"));
	EXPECT_EQ(ProviderCalls, 1);
	EXPECT_EQ(GetPendingAnswerCount(), 0);
}

TEST_F(DesktopPlatformDialogs, SingleSelectionFilePickerKeepsOnlyTheFirstFile)
{
	FWarningCapture Warnings(TEXT("LogDesktopPlatform"));
	PushAnswer(TEXT("D:\\audio\\a.wav|D:\\audio\\b.wav"));
	TArray<FString> Files;
	ASSERT_TRUE(Platform->OpenFileDialog(&ParentWindow, TEXT("Choose a file"), TEXT("D:/audio"), TEXT(""), TEXT("Wave|*.wav"), EFileDialogFlags::None, Files));
	ASSERT_EQ(Files.Num(), 1);
	EXPECT_EQ(Files[0], TEXT("D:/audio/a.wav"));
	EXPECT_EQ(Warnings.Lines.Num(), 1);

	const FDialogRequest& Request = GetRequests().Last();
	EXPECT_EQ(Request.Kind, EDialogKind::OpenFile);
	EXPECT_EQ(Request.FileTypes, TEXT("Wave|*.wav"));
	EXPECT_EQ(Request.Flags, 0u);
	EXPECT_EQ(Request.DefaultPath, TEXT("D:/audio"));
	EXPECT_EQ(Request.ParentWindowHandle, &ParentWindow);
}

TEST_F(DesktopPlatformDialogs, MultipleSelectionAddsEveryPickedFileAfterExistingEntries)
{
	PushAnswer(TEXT("/takes/one.wav | /takes/two.wav"));
	TArray<FString> Files = { TEXT("/already/there.wav") };
	ASSERT_TRUE(Platform->OpenFileDialog(nullptr, TEXT("Choose files"), TEXT(""), TEXT("one.wav"), TEXT(""), EFileDialogFlags::Multiple, Files));
	ASSERT_EQ(Files.Num(), 3);
	EXPECT_EQ(Files[0], TEXT("/already/there.wav"));
	EXPECT_EQ(Files[1], TEXT("/takes/one.wav"));
	EXPECT_EQ(Files[2], TEXT("/takes/two.wav"));
	EXPECT_EQ(GetRequests().Last().DefaultFile, TEXT("one.wav"));
	EXPECT_EQ(GetRequests().Last().Flags, static_cast<uint32>(EFileDialogFlags::Multiple));
}

TEST_F(DesktopPlatformDialogs, FilterIndexNamesTheFilterThatAcceptsThePickedFile)
{
	const FString Types = TEXT("Wave files|*.wav;*.wave|Text|*.txt|Everything|*.*");
	const TPair<const TCHAR*, int32> Cases[] = {
		{ TEXT("/a/take.WAV"), 0 },
		{ TEXT("/a/take.wave"), 0 },
		{ TEXT("/a/notes.txt"), 1 },
		{ TEXT("/a/image.exr"), 2 },
	};
	for (const TPair<const TCHAR*, int32>& Case : Cases)
	{
		PushAnswer(Case.Key);
		TArray<FString> Files;
		int32 FilterIndex = -1;
		ASSERT_TRUE(Platform->OpenFileDialog(nullptr, TEXT("Pick"), TEXT(""), TEXT(""), Types, EFileDialogFlags::None, Files, FilterIndex));
		EXPECT_EQ(FilterIndex, Case.Value) << FString(Case.Key);
	}
}

TEST_F(DesktopPlatformDialogs, ResetForgetsAnswersProviderAndHistory)
{
	PushAnswer(TEXT("/x"));
	SetAnswerProvider([](const FDialogRequest&) { return FString(TEXT("/y")); });
	FString Folder;
	Platform->OpenDirectoryDialog(nullptr, TEXT("T"), TEXT(""), Folder);
	PushAnswer(TEXT("/z"));

	Reset();
	EXPECT_EQ(GetPendingAnswerCount(), 0);
	EXPECT_EQ(GetRequests().Num(), 0);
	PushAnswer(TEXT("/after"));
	ASSERT_TRUE(Platform->OpenDirectoryDialog(nullptr, TEXT("T"), TEXT(""), Folder));
	EXPECT_EQ(Folder, TEXT("/after"));
}

TEST_F(DesktopPlatformDialogs, DialogueWithoutAnyAnswerSourceFailsLoudly)
{
	FString Folder;
	EXPECT_DEATH(Platform->OpenDirectoryDialog(nullptr, TEXT("Nobody answers"), TEXT(""), Folder), "Nobody answers");
}

TEST_F(DesktopPlatformDialogs, PromptDescribesTheDialogue)
{
	FDialogRequest Request;
	Request.Kind = EDialogKind::OpenFile;
	Request.Title = TEXT("Choose a file");
	Request.DefaultPath = TEXT("/takes");
	Request.FileTypes = TEXT("Wave|*.wav");
	Request.Flags = EFileDialogFlags::Multiple;
	const FString Prompt = Request.Describe();
	EXPECT_TRUE(Prompt.StartsWith(TEXT("Choose a file")));
	EXPECT_TRUE(Prompt.Contains(TEXT("/takes")));
	EXPECT_TRUE(Prompt.Contains(TEXT("*.wav")));
	EXPECT_TRUE(Prompt.Contains(TEXT("|")));
}
