#pragma once

// Host control of the desktop platform's dialogues (tests and the headless editor only; plugin
// code never uses this header). A dialogue takes its answer from the queue the host fills, else
// from the host's answer provider. An answer is the picked path, "" for a cancelled dialogue, or
// several files separated by '|' for a multiple-selection file dialogue.

#include "CoreMinimal.h"
#include "Templates/Function.h"

namespace UE::DesktopPlatformHost
{
	enum class EDialogKind : uint8
	{
		Directory,
		OpenFile
	};

	/** What a dialogue was asked to show. */
	struct FDialogRequest
	{
		EDialogKind Kind = EDialogKind::Directory;
		const void* ParentWindowHandle = nullptr;
		FString Title;
		FString DefaultPath;
		FString DefaultFile;
		FString FileTypes;
		uint32 Flags = 0;

		/** One line for a prompt: "Choose a folder [folder, start in /tmp]". */
		DESKTOPPLATFORM_API FString Describe() const;
	};

	using FAnswerProvider = TFunction<FString(const FDialogRequest& Request)>;

	/** Queues the answer of a coming dialogue; queued answers are used before the provider. */
	DESKTOPPLATFORM_API void PushAnswer(const FString& Answer);

	/** Answers dialogues once the queue is empty (the headless editor reads a line of input). */
	DESKTOPPLATFORM_API void SetAnswerProvider(FAnswerProvider Provider);

	/** Answers still queued. */
	DESKTOPPLATFORM_API int32 GetPendingAnswerCount();

	/** Every dialogue opened since the last Reset, oldest first. */
	DESKTOPPLATFORM_API const TArray<FDialogRequest>& GetRequests();

	/** Drops queued answers, the provider and the recorded dialogues. */
	DESKTOPPLATFORM_API void Reset();
}
