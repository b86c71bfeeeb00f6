// Log categories, their registry, and the UE_LOG back end.

#include "Logging/LogCategory.h"
#include "Logging/LogMacros.h"
#include "Logging/LogSuppressionInterface.h"
#include "Containers/StringConv.h"
#include "Misc/OutputDeviceRedirector.h"
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

DEFINE_LOG_CATEGORY(LogTemp);
DEFINE_LOG_CATEGORY(LogCore);
DEFINE_LOG_CATEGORY(LogOutputDevice);

FLogCategoryBase::FLogCategoryBase(const TCHAR* InCategoryName, ELogVerbosity::Type InDefaultVerbosity, ELogVerbosity::Type InCompileTimeVerbosity)
	: Verbosity(ELogVerbosity::NoLogging)
	, DefaultVerbosity(InDefaultVerbosity)
	, CompileTimeVerbosity(InCompileTimeVerbosity)
	, CategoryName(InCategoryName)
{
	ResetFromDefault();
	FLogSuppressionInterface::Get().AssociateSuppress(this);
}

FLogCategoryBase::~FLogCategoryBase()
{
	FLogSuppressionInterface::Get().DisassociateSuppress(this);
}

void FLogCategoryBase::SetVerbosity(ELogVerbosity::Type NewVerbosity)
{
	const ELogVerbosity::Type Level = (ELogVerbosity::Type)(NewVerbosity & ELogVerbosity::VerbosityMask);
	Verbosity = Level < CompileTimeVerbosity ? Level : CompileTimeVerbosity;
	bDebugBreakOnLog = (NewVerbosity & ELogVerbosity::BreakOnLog) != 0;
}

void FLogCategoryBase::ResetFromDefault()
{
	SetVerbosity(DefaultVerbosity);
}

namespace
{
	class FLogSuppressionImplementation : public FLogSuppressionInterface
	{
	public:
		virtual void AssociateSuppress(FLogCategoryBase* Destination) override
		{
			std::lock_guard<std::recursive_mutex> Lock(Mutex);
			Categories.push_back(Destination);
			ApplyLogCmdsTo(*Destination);
		}

		virtual void DisassociateSuppress(FLogCategoryBase* Destination) override
		{
			std::lock_guard<std::recursive_mutex> Lock(Mutex);
			for (auto It = Categories.begin(); It != Categories.end(); ++It)
			{
				if (*It == Destination)
				{
					Categories.erase(It);
					break;
				}
			}
		}

		virtual void ProcessConfigAndCommandLine() override
		{
			std::lock_guard<std::recursive_mutex> Lock(Mutex);
			for (FLogCategoryBase* Category : Categories)
			{
				ApplyLogCmdsTo(*Category);
			}
		}

		virtual FLogCategoryBase* FindCategory(const FName& CategoryName) const override
		{
			std::lock_guard<std::recursive_mutex> Lock(Mutex);
			// Several modules may define a category of the same name; the first registered answers.
			for (FLogCategoryBase* Category : Categories)
			{
				if (Category->GetCategoryName() == CategoryName)
				{
					return Category;
				}
			}
			return nullptr;
		}

		virtual TArray<FLogCategoryBase*> GetAllCategories() const override
		{
			std::lock_guard<std::recursive_mutex> Lock(Mutex);
			TArray<FLogCategoryBase*> Result;
			for (FLogCategoryBase* Category : Categories)
			{
				Result.Add(Category);
			}
			return Result;
		}

		virtual bool ProcessLogCommand(const TCHAR* Cmd, FOutputDevice& Ar) override
		{
			TArray<FString> Words;
			FString(Cmd).ParseIntoArrayWS(Words);
			if (Words.Num() == 1 && Words[0] == TEXT("list"))
			{
				for (FLogCategoryBase* Category : GetAllCategories())
				{
					Ar.Logf(TEXT("%s %s"), *Category->GetCategoryName().ToString(), ToString(Category->GetVerbosity()));
				}
				return true;
			}
			if (Words.Num() == 1 && Words[0] == TEXT("reset"))
			{
				for (FLogCategoryBase* Category : GetAllCategories())
				{
					Category->ResetFromDefault();
				}
				return true;
			}
			if (Words.Num() < 1 || Words.Num() > 2)
			{
				return false;
			}

			const FName CategoryName(*Words[0], FNAME_Find);
			TArray<FLogCategoryBase*> Matches;
			for (FLogCategoryBase* Category : GetAllCategories())
			{
				if (!CategoryName.IsNone() && Category->GetCategoryName() == CategoryName)
				{
					Matches.Add(Category);
				}
			}
			if (Matches.Num() == 0)
			{
				Ar.Logf(ELogVerbosity::Warning, TEXT("No log category named %s"), *Words[0]);
				return false;
			}
			if (Words.Num() == 1)
			{
				Ar.Logf(TEXT("%s %s"), *Matches[0]->GetCategoryName().ToString(), ToString(Matches[0]->GetVerbosity()));
				return true;
			}

			ELogVerbosity::Type NewVerbosity;
			bool bReset = false;
			if (!ParseSetting(Words[1], NewVerbosity, bReset))
			{
				Ar.Logf(ELogVerbosity::Warning, TEXT("Unknown log verbosity %s"), *Words[1]);
				return false;
			}
			for (FLogCategoryBase* Category : Matches)
			{
				if (bReset)
				{
					Category->ResetFromDefault();
				}
				else
				{
					Category->SetVerbosity(NewVerbosity);
				}
			}
			Ar.Logf(TEXT("%s %s"), *Matches[0]->GetCategoryName().ToString(), ToString(Matches[0]->GetVerbosity()));
			return true;
		}

		virtual void SetLogCmds(const FString& InLogCmds) override
		{
			std::lock_guard<std::recursive_mutex> Lock(Mutex);
			LogCmds = InLogCmds;
		}

	private:
		/** "off" silences, "on" restores Log, "default" the declared verbosity; otherwise a verbosity name. */
		static bool ParseSetting(const FString& Setting, ELogVerbosity::Type& OutVerbosity, bool& bOutReset)
		{
			bOutReset = false;
			if (Setting == TEXT("off"))
			{
				OutVerbosity = ELogVerbosity::NoLogging;
				return true;
			}
			if (Setting == TEXT("on"))
			{
				OutVerbosity = ELogVerbosity::Log;
				return true;
			}
			if (Setting == TEXT("default"))
			{
				bOutReset = true;
				OutVerbosity = ELogVerbosity::Log;
				return true;
			}
			OutVerbosity = ParseLogVerbosityFromString(Setting);
			return OutVerbosity != ELogVerbosity::NoLogging || Setting == TEXT("NoLogging");
		}

		/** Applies the -LogCmds entries ("LogFoo Verbose, LogBar off") that name this category. */
		void ApplyLogCmdsTo(FLogCategoryBase& Category)
		{
			if (LogCmds.IsEmpty())
			{
				return;
			}
			TArray<FString> Entries;
			LogCmds.ParseIntoArray(Entries, TEXT(","));
			for (const FString& Entry : Entries)
			{
				TArray<FString> Words;
				Entry.ParseIntoArrayWS(Words);
				if (Words.Num() == 2 && FName(*Words[0], FNAME_Find) == Category.GetCategoryName())
				{
					ELogVerbosity::Type NewVerbosity;
					bool bReset = false;
					if (ParseSetting(Words[1], NewVerbosity, bReset))
					{
						if (bReset)
						{
							Category.ResetFromDefault();
						}
						else
						{
							Category.SetVerbosity(NewVerbosity);
						}
					}
				}
			}
		}

		mutable std::recursive_mutex Mutex;
		std::vector<FLogCategoryBase*> Categories;
		FString LogCmds;
	};
}

FLogSuppressionInterface& FLogSuppressionInterface::Get()
{
	// Never destroyed: categories unregister during static destruction.
	static FLogSuppressionImplementation* Singleton = new FLogSuppressionImplementation();
	return *Singleton;
}

namespace UE::Logging::Private
{
	void BasicLog(const FLogCategoryBase& Category, ELogVerbosity::Type Verbosity, const ANSICHAR* File, int32 Line, const TCHAR* Message)
	{
		GLog->Serialize(Message, Verbosity, Category.GetCategoryName());
	}

	void BasicFatal(const FLogCategoryBase& Category, const ANSICHAR* File, int32 Line, const TCHAR* Message)
	{
		const FString Text = FOutputDeviceHelper::FormatLogLine(ELogVerbosity::Fatal, Category.GetCategoryName(), Message);
		std::fprintf(stderr, "Fatal error: [File:%s] [Line: %d]\n%s\n", File, Line, TCHAR_TO_UTF8(*Text));
		std::fflush(stderr);
		GLog->Serialize(Message, ELogVerbosity::Fatal, Category.GetCategoryName());
		GLog->Flush();
		std::abort();
	}
}
