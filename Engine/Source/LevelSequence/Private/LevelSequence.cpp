#include "LevelSequence.h"

#include "HAL/IConsoleManager.h"
#include "Misc/FrameRate.h"
#include "MovieScene.h"

DEFINE_LOG_CATEGORY_STATIC(LogLevelSequence, Log, All);

namespace
{
	/** "30fps" or "30000/1001"; false for anything else. */
	bool ParseFrameRate(const FString& Text, FFrameRate& OutRate)
	{
		FString Numerator = Text.TrimStartAndEnd();
		FString Denominator = TEXT("1");
		if (Numerator.EndsWith(TEXT("fps"), ESearchCase::IgnoreCase))
		{
			Numerator.LeftChopInline(3);
		}
		else if (!Text.Split(TEXT("/"), &Numerator, &Denominator))
		{
			return false;
		}
		Numerator.TrimStartAndEndInline();
		Denominator.TrimStartAndEndInline();
		if (Numerator.IsEmpty() || Denominator.IsEmpty() || !Numerator.IsNumeric() || !Denominator.IsNumeric() || Numerator.Contains(TEXT(".")) || Denominator.Contains(TEXT(".")))
		{
			return false;
		}
		const int32 N = FCString::Atoi(*Numerator);
		const int32 D = FCString::Atoi(*Denominator);
		if (N <= 0 || D <= 0)
		{
			return false;
		}
		OutRate = FFrameRate(uint32(N), uint32(D));
		return true;
	}

	/** The rate a console variable names; Fallback (with a Warning) when it names none. */
	FFrameRate RateFromConsoleVariable(const TCHAR* Name, FFrameRate Fallback)
	{
		IConsoleVariable* Variable = IConsoleManager::Get().FindConsoleVariable(Name);
		FFrameRate Rate;
		if (Variable && ParseFrameRate(Variable->GetString(), Rate))
		{
			return Rate;
		}
		UE_LOG(LogLevelSequence, Warning, TEXT("%s is not a frame rate ('%s'); new sequences keep %d/%d"), Name, Variable ? *Variable->GetString() : TEXT(""), Fallback.Numerator, Fallback.Denominator);
		return Fallback;
	}
}

ULevelSequence::ULevelSequence(const FObjectInitializer& ObjectInitializer)
	: Super(ObjectInitializer)
{
}

void ULevelSequence::Initialize()
{
	MovieScene = NewObject<UMovieScene>(this, NAME_None, RF_Transactional);
	MovieScene->SetDisplayRate(RateFromConsoleVariable(TEXT("LevelSequence.DefaultDisplayRate"), MovieScene->GetDisplayRate()));
	MovieScene->SetTickResolutionDirectly(RateFromConsoleVariable(TEXT("LevelSequence.DefaultTickResolution"), MovieScene->GetTickResolution()));
}

UMovieScene* ULevelSequence::GetMovieScene() const
{
	return MovieScene;
}
