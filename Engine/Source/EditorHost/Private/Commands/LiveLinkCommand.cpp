// `livelink`: the LiveLink client's sources and subjects; `livelink add-source`, `add-subject`,
// `remove-source` and `push` change them as a LiveLink source or the LiveLink panel would.

#include "CoreMinimal.h"
#include "Features/IModularFeatures.h"
#include "HostConsole.h"
#include "ILiveLinkClient.h"
#include "LiveLinkHostSource.h"
#include "LiveLinkRole.h"
#include "LiveLinkSubjectSettings.h"
#include "Misc/OutputDevice.h"
#include "UObject/Class.h"
#include "UObject/Package.h"
#include "UObject/UnrealType.h"
#include "UObject/UObjectGlobals.h"

namespace
{
	const TCHAR* const Usage = TEXT("usage: livelink | livelink add-source <Type> <Machine> | livelink add-subject <Source> <Subject> <RoleClass> [SettingsClass] [disabled] | livelink remove-source <Source> | livelink push <Subject> [Field=Value ...]  (<Source>: index or guid; quote words with spaces)");

	bool Fail(FOutputDevice& Ar, const FString& Message)
	{
		Ar.Log(ELogVerbosity::Error, TEXT("livelink: ") + Message);
		return false;
	}

	ILiveLinkClient* FindClient()
	{
		IModularFeatures& Features = IModularFeatures::Get();
		return Features.IsModularFeatureAvailable(ILiveLinkClient::ModularFeatureName)
			? &Features.GetModularFeature<ILiveLinkClient>(ILiveLinkClient::ModularFeatureName)
			: nullptr;
	}

	/** A source by its index in the `livelink` listing or by its guid. */
	bool ResolveSource(ILiveLinkClient& Client, const FString& Text, FGuid& OutGuid)
	{
		const TArray<FGuid> Sources = Client.GetSources();
		if (!Text.IsEmpty() && Text.IsNumeric())
		{
			const int32 Index = FCString::Atoi(*Text);
			if (Sources.IsValidIndex(Index))
			{
				OutGuid = Sources[Index];
				return true;
			}
			return false;
		}
		FGuid Parsed;
		if (FGuid::Parse(Text, Parsed) && Sources.Contains(Parsed))
		{
			OutGuid = Parsed;
			return true;
		}
		return false;
	}

	UClass* ResolveClass(const FString& Text, UClass* BaseClass)
	{
		return FHostConsoleCommands::FindClass(Text, BaseClass);
	}

	bool List(ILiveLinkClient& Client, FOutputDevice& Ar)
	{
		const TArray<FGuid> Sources = Client.GetSources();
		Ar.Log(FString::Printf(TEXT("LiveLink sources (%d):"), Sources.Num()));
		for (int32 Index = 0; Index < Sources.Num(); ++Index)
		{
			Ar.Log(FString::Printf(TEXT("  [%d] %s | type: %s | machine: %s | status: %s"), Index, *Sources[Index].ToString(),
				*Client.GetSourceType(Sources[Index]).ToString(), *Client.GetSourceMachineName(Sources[Index]).ToString(),
				*Client.GetSourceStatus(Sources[Index]).ToString()));
		}
		const TArray<FLiveLinkSubjectKey> Subjects = Client.GetSubjects(true, true);
		Ar.Log(FString::Printf(TEXT("LiveLink subjects (%d):"), Subjects.Num()));
		for (const FLiveLinkSubjectKey& Key : Subjects)
		{
			const TSubclassOf<ULiveLinkRole> Role = Client.GetSubjectRole_AnyThread(Key);
			const UObject* Settings = Client.GetSubjectSettings(Key);
			Ar.Log(FString::Printf(TEXT("  %s | role: %s | %s | source: [%d] | settings: %s"), *Key.SubjectName.ToString(),
				Role.Get() != nullptr ? *Role->GetName() : TEXT("None"),
				Client.IsSubjectEnabled(Key, false) ? TEXT("enabled") : TEXT("disabled"),
				Sources.IndexOfByKey(Key.Source),
				Settings != nullptr ? *Settings->GetClass()->GetName() : TEXT("None")));
		}
		return true;
	}

	bool AddSource(ILiveLinkClient& Client, const TArray<FString>& Tokens, FOutputDevice& Ar)
	{
		if (Tokens.Num() != 3)
		{
			return Fail(Ar, Usage);
		}
		const FGuid Guid = Client.AddSource(MakeShared<FLiveLinkHostSource>(FText::FromString(Tokens[1]), FText::FromString(Tokens[2])));
		if (!Guid.IsValid())
		{
			return Fail(Ar, TEXT("the client refused the source"));
		}
		Ar.Log(FString::Printf(TEXT("Added LiveLink source [%d] %s"), Client.GetSources().IndexOfByKey(Guid), *Guid.ToString()));
		return true;
	}

	bool AddSubject(ILiveLinkClient& Client, const TArray<FString>& Tokens, FOutputDevice& Ar)
	{
		if (Tokens.Num() < 4 || Tokens.Num() > 6)
		{
			return Fail(Ar, Usage);
		}
		FLiveLinkSubjectPreset Preset;
		if (!ResolveSource(Client, Tokens[1], Preset.Key.Source))
		{
			return Fail(Ar, FString::Printf(TEXT("no source '%s' (give its index or guid from `livelink`)"), *Tokens[1]));
		}
		Preset.Key.SubjectName = FName(*Tokens[2]);
		Preset.Role = ResolveClass(Tokens[3], ULiveLinkRole::StaticClass());
		if (Preset.Role.Get() == nullptr)
		{
			return Fail(Ar, FString::Printf(TEXT("'%s' is not a LiveLink role class"), *Tokens[3]));
		}
		Preset.bEnabled = true;
		for (int32 Index = 4; Index < Tokens.Num(); ++Index)
		{
			if (Tokens[Index].Equals(TEXT("disabled"), ESearchCase::IgnoreCase))
			{
				Preset.bEnabled = false;
				continue;
			}
			UClass* SettingsClass = ResolveClass(Tokens[Index], ULiveLinkSubjectSettings::StaticClass());
			if (SettingsClass == nullptr || Preset.Settings != nullptr)
			{
				return Fail(Ar, FString::Printf(TEXT("'%s' is not a LiveLink subject settings class"), *Tokens[Index]));
			}
			Preset.Settings = NewObject<ULiveLinkSubjectSettings>(GetTransientPackage(), SettingsClass);
			Preset.Settings->Role = Preset.Role;
		}
		if (!Client.CreateSubject(Preset))
		{
			return Fail(Ar, FString::Printf(TEXT("could not add subject '%s' (does the source already have it?)"), *Tokens[2]));
		}
		Ar.Log(FString::Printf(TEXT("Added LiveLink subject %s"), *Tokens[2]));
		return true;
	}

	bool RemoveSource(ILiveLinkClient& Client, const TArray<FString>& Tokens, FOutputDevice& Ar)
	{
		FGuid Guid;
		if (Tokens.Num() != 2 || !ResolveSource(Client, Tokens[1], Guid))
		{
			return Tokens.Num() != 2 ? Fail(Ar, Usage) : Fail(Ar, FString::Printf(TEXT("no source '%s'"), *Tokens[1]));
		}
		Client.RemoveSource(Guid);
		Ar.Log(FString::Printf(TEXT("Removed LiveLink source %s"), *Guid.ToString()));
		return true;
	}

	/** Sets Field=Value pairs on a struct through its reflected properties. */
	bool ImportFields(const UScriptStruct* Struct, void* Data, const TArray<FString>& Tokens, int32 FirstToken, FOutputDevice& Ar)
	{
		for (int32 Index = FirstToken; Index < Tokens.Num(); ++Index)
		{
			FString Field;
			FString Value;
			if (!Tokens[Index].Split(TEXT("="), &Field, &Value) || Field.IsEmpty())
			{
				return Fail(Ar, FString::Printf(TEXT("'%s' is not Field=Value"), *Tokens[Index]));
			}
			FProperty* Property = FindFProperty<FProperty>(Struct, FName(*Field));
			if (Property == nullptr)
			{
				return Fail(Ar, FString::Printf(TEXT("%s has no field %s"), *Struct->GetName(), *Field));
			}
			if (Property->ImportText_Direct(*Value, Property->ContainerPtrToValuePtr<void>(Data), nullptr, PPF_None) == nullptr)
			{
				return Fail(Ar, FString::Printf(TEXT("'%s' is not a value of %s.%s"), *Value, *Struct->GetName(), *Field));
			}
		}
		return true;
	}

	bool Push(ILiveLinkClient& Client, const TArray<FString>& Tokens, FOutputDevice& Ar)
	{
		if (Tokens.Num() < 2)
		{
			return Fail(Ar, Usage);
		}
		// The enabled subject of the name is the one evaluated, so frames go to it.
		const FName SubjectName(*Tokens[1]);
		const TArray<FLiveLinkSubjectKey> Enabled = Client.GetSubjects(false, false);
		const int32 KeyIndex = Enabled.IndexOfByPredicate([SubjectName](const FLiveLinkSubjectKey& Candidate) { return Candidate.SubjectName.Name == SubjectName; });
		if (KeyIndex == INDEX_NONE)
		{
			return Fail(Ar, FString::Printf(TEXT("no enabled subject '%s'"), *Tokens[1]));
		}
		const FLiveLinkSubjectKey SubjectKey = Enabled[KeyIndex];
		const TSubclassOf<ULiveLinkRole> Role = Client.GetSubjectRole_AnyThread(SubjectKey);
		const ULiveLinkRole* RoleDefaults = Role.GetDefaultObject();

		FLiveLinkFrameDataStruct Frame(RoleDefaults->GetFrameDataStruct());
		if (!ImportFields(Frame.GetStruct(), Frame.GetBaseData(), Tokens, 2, Ar))
		{
			return false;
		}
		if (!Client.IsSubjectValid(SubjectKey))
		{
			// A subject made from a preset has no static data yet; frames need it.
			Client.PushSubjectStaticData_AnyThread(SubjectKey, Role, FLiveLinkStaticDataStruct(RoleDefaults->GetStaticDataStruct()));
		}
		Client.PushSubjectFrameData_AnyThread(SubjectKey, MoveTemp(Frame));
		Ar.Log(FString::Printf(TEXT("Pushed a %s frame to %s"), *Role->GetName(), *Tokens[1]));
		return true;
	}

	bool RunLiveLinkCommand(const FString& Args, FOutputDevice& Ar)
	{
		ILiveLinkClient* Client = FindClient();
		if (Client == nullptr)
		{
			return Fail(Ar, TEXT("there is no LiveLink client (the LiveLink module is not loaded)"));
		}
		TArray<FString> Tokens;
		FString TokenError;
		if (!FHostConsoleCommands::Tokenize(Args, Tokens, TokenError))
		{
			return Fail(Ar, TokenError);
		}
		if (Tokens.IsEmpty())
		{
			return List(*Client, Ar);
		}
		const FString& Verb = Tokens[0];
		if (Verb.Equals(TEXT("add-source"), ESearchCase::IgnoreCase))
		{
			return AddSource(*Client, Tokens, Ar);
		}
		if (Verb.Equals(TEXT("add-subject"), ESearchCase::IgnoreCase))
		{
			return AddSubject(*Client, Tokens, Ar);
		}
		if (Verb.Equals(TEXT("remove-source"), ESearchCase::IgnoreCase))
		{
			return RemoveSource(*Client, Tokens, Ar);
		}
		if (Verb.Equals(TEXT("push"), ESearchCase::IgnoreCase))
		{
			return Push(*Client, Tokens, Ar);
		}
		return Fail(Ar, FString::Printf(TEXT("unknown subcommand '%s'; %s"), *Verb, Usage));
	}

	FHostConsoleCommandRegistrant LiveLinkCommand(TEXT("livelink"), TEXT("LiveLink sources and subjects; add-source, add-subject, remove-source, push change them"), &RunLiveLinkCommand);
}
