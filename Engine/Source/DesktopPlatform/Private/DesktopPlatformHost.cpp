#include "DesktopPlatformHostPrivate.h"

namespace UE::DesktopPlatformHost
{
	namespace
	{
		struct FHostState
		{
			TArray<FString> QueuedAnswers;
			FAnswerProvider Provider;
			TArray<FDialogRequest> Requests;
		};

		FHostState& GetState()
		{
			static FHostState State;
			return State;
		}
	}

	FString FDialogRequest::Describe() const
	{
		FString Details = Kind == EDialogKind::Directory ? FString(TEXT("folder")) : FString(TEXT("file"));
		if (Kind == EDialogKind::OpenFile && (Flags & 0x01) != 0)
		{
			Details += TEXT("s, separate with |");
		}
		if (!DefaultPath.IsEmpty())
		{
			Details += FString::Printf(TEXT(", start in %s"), *DefaultPath);
		}
		if (!FileTypes.IsEmpty())
		{
			Details += FString::Printf(TEXT(", types %s"), *FileTypes);
		}
		return FString::Printf(TEXT("%s [%s, empty line cancels]"), *Title, *Details);
	}

	void PushAnswer(const FString& Answer)
	{
		GetState().QueuedAnswers.Add(Answer);
	}

	void SetAnswerProvider(FAnswerProvider Provider)
	{
		GetState().Provider = MoveTemp(Provider);
	}

	int32 GetPendingAnswerCount()
	{
		return GetState().QueuedAnswers.Num();
	}

	const TArray<FDialogRequest>& GetRequests()
	{
		return GetState().Requests;
	}

	void Reset()
	{
		FHostState& State = GetState();
		State.QueuedAnswers.Empty();
		State.Provider = nullptr;
		State.Requests.Empty();
	}

	FString Private::AskHost(const FDialogRequest& Request)
	{
		FHostState& State = GetState();
		State.Requests.Add(Request);
		if (State.QueuedAnswers.Num() > 0)
		{
			FString Answer = State.QueuedAnswers[0];
			State.QueuedAnswers.RemoveAt(0);
			return Answer;
		}
		// A modal dialogue with no one to answer it would block the editor for ever.
		checkf(State.Provider, TEXT("DesktopPlatform: dialogue \"%s\" opened with no queued answer and no answer provider"), *Request.Title);
		return State.Provider(Request);
	}
}
