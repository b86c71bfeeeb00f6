#include "ModuleDescriptor.h"

#include "DescriptorJson.h"
#include "Misc/CoreMisc.h"
#include "Misc/FileHelper.h"

namespace
{
	const TCHAR* const GHostTypeNames[] = {
		TEXT("Runtime"),
		TEXT("RuntimeNoCommandlet"),
		TEXT("RuntimeAndProgram"),
		TEXT("CookedOnly"),
		TEXT("UncookedOnly"),
		TEXT("Developer"),
		TEXT("DeveloperTool"),
		TEXT("Editor"),
		TEXT("EditorNoCommandlet"),
		TEXT("EditorAndProgram"),
		TEXT("Program"),
		TEXT("ServerOnly"),
		TEXT("ClientOnly"),
		TEXT("ClientOnlyNoCommandlet"),
	};

	const TCHAR* const GLoadingPhaseNames[] = {
		TEXT("EarliestPossible"),
		TEXT("PostConfigInit"),
		TEXT("PostSplashScreen"),
		TEXT("PreEarlyLoadingScreen"),
		TEXT("PreLoadingScreen"),
		TEXT("PreDefault"),
		TEXT("Default"),
		TEXT("PostDefault"),
		TEXT("PostEngineInit"),
		TEXT("None"),
	};
}

EHostType::Type EHostType::FromString(const TCHAR* Text)
{
	for (int32 Index = 0; Index < EHostType::Max; ++Index)
	{
		if (FString(Text).Equals(GHostTypeNames[Index], ESearchCase::IgnoreCase))
		{
			return EHostType::Type(Index);
		}
	}
	return EHostType::Max;
}

const TCHAR* EHostType::ToString(const EHostType::Type Value)
{
	return (Value >= 0 && Value < EHostType::Max) ? GHostTypeNames[Value] : TEXT("Unknown");
}

ELoadingPhase::Type ELoadingPhase::FromString(const TCHAR* Text)
{
	for (int32 Index = 0; Index < ELoadingPhase::Max; ++Index)
	{
		if (FString(Text).Equals(GLoadingPhaseNames[Index], ESearchCase::IgnoreCase))
		{
			return ELoadingPhase::Type(Index);
		}
	}
	return ELoadingPhase::Max;
}

const TCHAR* ELoadingPhase::ToString(const ELoadingPhase::Type Value)
{
	return (Value >= 0 && Value < ELoadingPhase::Max) ? GLoadingPhaseNames[Value] : TEXT("Unknown");
}

bool FModuleDescriptor::IsCompiledInCurrentConfiguration() const
{
	if (PlatformAllowList.Num() > 0 && !PlatformAllowList.Contains(FString(TEXT("Linux"))))
	{
		return false;
	}
	if (PlatformDenyList.Contains(FString(TEXT("Linux"))))
	{
		return false;
	}
	switch (Type)
	{
		case EHostType::Program:
		case EHostType::CookedOnly:
			return false;
		default:
			return true;
	}
}

bool FModuleDescriptor::IsLoadedInCurrentConfiguration() const
{
	if (!IsCompiledInCurrentConfiguration())
	{
		return false;
	}
	// An editor build loads editor modules also when launched with -game; commandlets skip the NoCommandlet kinds.
	switch (Type)
	{
		case EHostType::RuntimeNoCommandlet:
		case EHostType::EditorNoCommandlet:
		case EHostType::ClientOnlyNoCommandlet:
			return !IsRunningCommandlet();
		case EHostType::ServerOnly:
			return !IsRunningGame();
		default:
			return true;
	}
}

namespace UE::Projects::Private
{
	bool ReadModules(const nlohmann::json& Object, TArray<FModuleDescriptor>& OutModules, FText& OutFailReason)
	{
		const auto It = Object.find("Modules");
		if (It == Object.end())
		{
			return true;
		}
		if (!It->is_array())
		{
			OutFailReason = FText::FromString(TEXT("\"Modules\" is not an array"));
			return false;
		}
		for (const nlohmann::json& Entry : *It)
		{
			const FString Name = Entry.is_object() ? ReadString(Entry, "Name") : FString();
			if (Name.IsEmpty())
			{
				OutFailReason = FText::FromString(TEXT("A module entry has no \"Name\""));
				return false;
			}
			if (Name.Len() >= NAME_SIZE)
			{
				OutFailReason = FText::FromString(FString::Printf(TEXT("A module name is %d characters long; names take up to %d"), Name.Len(), NAME_SIZE - 1));
				return false;
			}
			FModuleDescriptor Module{ FName(*Name) };
			const FString Type = ReadString(Entry, "Type");
			if (!Type.IsEmpty())
			{
				Module.Type = EHostType::FromString(*Type);
				if (Module.Type == EHostType::Max)
				{
					OutFailReason = FText::FromString(FString::Printf(TEXT("Module '%s' has the unknown type '%s'"), *Name, *Type));
					return false;
				}
			}
			const FString Phase = ReadString(Entry, "LoadingPhase");
			if (!Phase.IsEmpty())
			{
				Module.LoadingPhase = ELoadingPhase::FromString(*Phase);
				if (Module.LoadingPhase == ELoadingPhase::Max)
				{
					OutFailReason = FText::FromString(FString::Printf(TEXT("Module '%s' has the unknown loading phase '%s'"), *Name, *Phase));
					return false;
				}
			}
			Module.PlatformAllowList = ReadStringArray(Entry, "PlatformAllowList");
			Module.PlatformDenyList = ReadStringArray(Entry, "PlatformDenyList");
			Module.AdditionalDependencies = ReadStringArray(Entry, "AdditionalDependencies");
			OutModules.Add(Module);
		}
		return true;
	}

	bool ReadPluginReferences(const nlohmann::json& Object, TArray<FPluginReferenceDescriptor>& OutPlugins, FText& OutFailReason)
	{
		const auto It = Object.find("Plugins");
		if (It == Object.end())
		{
			return true;
		}
		if (!It->is_array())
		{
			OutFailReason = FText::FromString(TEXT("\"Plugins\" is not an array"));
			return false;
		}
		for (const nlohmann::json& Entry : *It)
		{
			const FString Name = Entry.is_object() ? ReadString(Entry, "Name") : FString();
			if (Name.IsEmpty())
			{
				OutFailReason = FText::FromString(TEXT("A plugin reference has no \"Name\""));
				return false;
			}
			FPluginReferenceDescriptor Reference(Name, ReadBool(Entry, "Enabled", false));
			Reference.bOptional = ReadBool(Entry, "Optional", false);
			OutPlugins.Add(Reference);
		}
		return true;
	}

	bool ParseDescriptor(const FString& Text, nlohmann::json& OutObject, FText& OutFailReason)
	{
		// A descriptor is a few levels deep. A document nested far deeper is refused while it is read, before
		// anything walks it recursively (writing it out again would run out of stack).
		constexpr int32 MaxDepth = 64;
		struct FTooDeep
		{
		};
		try
		{
			OutObject = nlohmann::json::parse(ToUtf8(Text), [](int Depth, nlohmann::json::parse_event_t, nlohmann::json&) {
				if (Depth > MaxDepth)
				{
					throw FTooDeep();
				}
				return true;
			});
		}
		catch (const nlohmann::json::parse_error& Error)
		{
			OutFailReason = FText::FromString(FString::Printf(TEXT("Not valid JSON: %s"), *FromUtf8(Error.what())));
			return false;
		}
		catch (const FTooDeep&)
		{
			OutFailReason = FText::FromString(FString::Printf(TEXT("Not a descriptor: it nests values more than %d levels deep"), MaxDepth));
			return false;
		}
		if (!OutObject.is_object())
		{
			OutFailReason = FText::FromString(TEXT("The descriptor is not a JSON object"));
			return false;
		}
		return true;
	}

	bool LoadDescriptorFile(const FString& FileName, nlohmann::json& OutObject, FText& OutFailReason)
	{
		FString Text;
		if (!FFileHelper::LoadFileToString(Text, *FileName))
		{
			OutFailReason = FText::FromString(FString::Printf(TEXT("Cannot read '%s'"), *FileName));
			return false;
		}
		if (!ParseDescriptor(Text, OutObject, OutFailReason))
		{
			OutFailReason = FText::FromString(FString::Printf(TEXT("%s: %s"), *FileName, *OutFailReason.ToString()));
			return false;
		}
		return true;
	}
}
