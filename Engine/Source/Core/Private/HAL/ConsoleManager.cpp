#include "HAL/IConsoleManager.h"

#include "Logging/LogMacros.h"
#include "Misc/CoreHostState.h"
#include "Misc/OutputDevice.h"
#include "Misc/Utf8Conversion.h"

#include <cstdlib>
#include <map>
#include <memory>

DEFINE_LOG_CATEGORY_STATIC(LogConsoleManager, Log, All);

using namespace UE::Core::Private;

namespace
{
	std::u16string Lower(const std::u16string& In)
	{
		std::u16string Out = In;
		for (char16_t& Char : Out)
		{
			if (Char >= u'A' && Char <= u'Z')
			{
				Char = char16_t(Char - u'A' + u'a');
			}
		}
		return Out;
	}

	std::u16string Trim(const std::u16string& In)
	{
		const size_t Start = In.find_first_not_of(u" \t\r\n");
		if (Start == std::u16string::npos)
		{
			return std::u16string();
		}
		const size_t End = In.find_last_not_of(u" \t\r\n");
		return In.substr(Start, End - Start + 1);
	}

	/** The engine's text-to-bool: True/Yes/On, False/No/Off, otherwise a non-zero number. */
	bool TextToBool(const std::u16string& In)
	{
		const std::u16string Value = Lower(Trim(In));
		if (Value == u"true" || Value == u"yes" || Value == u"on")
		{
			return true;
		}
		if (Value == u"false" || Value == u"no" || Value == u"off")
		{
			return false;
		}
		return std::strtol(ToUtf8(FromStd(Value)).c_str(), nullptr, 10) != 0;
	}

	int32 TextToInt(const std::u16string& In)
	{
		return int32(std::strtol(ToUtf8(FromStd(Trim(In))).c_str(), nullptr, 10));
	}

	float TextToFloat(const std::u16string& In)
	{
		return std::strtof(ToUtf8(FromStd(Trim(In))).c_str(), nullptr);
	}

	const TCHAR* SetByName(uint32 SetBy)
	{
		switch (SetBy & ECVF_SetByMask)
		{
			case ECVF_SetByConstructor: return TEXT("Constructor");
			case ECVF_SetByScalability: return TEXT("Scalability");
			case ECVF_SetByGameSetting: return TEXT("GameSetting");
			case ECVF_SetByProjectSetting: return TEXT("ProjectSetting");
			case ECVF_SetBySystemSettingsIni: return TEXT("SystemSettingsIni");
			case ECVF_SetByDeviceProfile: return TEXT("DeviceProfile");
			case ECVF_SetByGameOverride: return TEXT("GameOverride");
			case ECVF_SetByConsoleVariablesIni: return TEXT("ConsoleVariablesIni");
			case ECVF_SetByCommandline: return TEXT("Commandline");
			case ECVF_SetByCode: return TEXT("Code");
			case ECVF_SetByConsole: return TEXT("Console");
			default: return TEXT("Unknown");
		}
	}

	/** Storage of a variable: its own value or a reference to the owner's. */
	template<typename T>
	class TConsoleVariable final : public IConsoleVariable
	{
	public:
		TConsoleVariable(const std::u16string& InName, T* InRef, const T& InDefault, const TCHAR* InHelp, uint32 InFlags)
			: Name(InName)
			, Help(InHelp ? InHelp : u"")
			, Flags(EConsoleVariableFlags(InFlags & ~uint32(ECVF_SetByMask)))
			, Owned(InDefault)
			, Value(InRef ? InRef : &Owned)
		{
		}

		const TCHAR* GetHelp() const override { return Help.c_str(); }
		void SetHelp(const TCHAR* InHelp) override { Help = InHelp ? InHelp : u""; }
		EConsoleVariableFlags GetFlags() const override { return Flags; }
		void SetFlags(const EConsoleVariableFlags InFlags) override { Flags = InFlags; }

		void Set(const TCHAR* InValue, EConsoleVariableFlags SetBy) override
		{
			const uint32 OldPriority = uint32(Flags) & ECVF_SetByMask;
			const uint32 NewPriority = uint32(SetBy) & ECVF_SetByMask;
			if (NewPriority < OldPriority)
			{
				UE_LOG(LogConsoleManager, Warning, TEXT("Setting the console variable '%s' with 'SetBy%s' was ignored as it is lower priority than the previous 'SetBy%s'. Value remains '%s'"),
					Name.c_str(), SetByName(NewPriority), SetByName(OldPriority), *GetString());
				return;
			}
			Assign(std::u16string(InValue ? InValue : u""));
			Flags = EConsoleVariableFlags((uint32(Flags) & ~uint32(ECVF_SetByMask)) | NewPriority);
			OnChangedCallback.ExecuteIfBound(this);
			OnChanged.Broadcast(this);
		}

		bool GetBool() const override;
		int32 GetInt() const override;
		float GetFloat() const override;
		FString GetString() const override;

		bool IsVariableBool() const override { return std::is_same_v<T, bool>; }
		bool IsVariableInt() const override { return std::is_same_v<T, int32>; }
		bool IsVariableFloat() const override { return std::is_same_v<T, float>; }
		bool IsVariableString() const override { return std::is_same_v<T, FString>; }

		void SetOnChangedCallback(const FConsoleVariableDelegate& Callback) override { OnChangedCallback = Callback; }
		FConsoleVariableMulticastDelegate& OnChangedDelegate() override { return OnChanged; }

	private:
		void Assign(const std::u16string& Text);

		std::u16string Name;
		std::u16string Help;
		EConsoleVariableFlags Flags;
		T Owned;
		T* Value;
		FConsoleVariableDelegate OnChangedCallback;
		FConsoleVariableMulticastDelegate OnChanged;
	};

	template<> void TConsoleVariable<bool>::Assign(const std::u16string& Text) { *Value = TextToBool(Text); }
	template<> void TConsoleVariable<int32>::Assign(const std::u16string& Text) { *Value = TextToInt(Text); }
	template<> void TConsoleVariable<float>::Assign(const std::u16string& Text) { *Value = TextToFloat(Text); }
	template<> void TConsoleVariable<FString>::Assign(const std::u16string& Text) { *Value = FromStd(Text); }

	template<> bool TConsoleVariable<bool>::GetBool() const { return *Value; }
	template<> int32 TConsoleVariable<bool>::GetInt() const { return *Value ? 1 : 0; }
	template<> float TConsoleVariable<bool>::GetFloat() const { return *Value ? 1.0f : 0.0f; }
	template<> FString TConsoleVariable<bool>::GetString() const { return FString(*Value ? TEXT("true") : TEXT("false")); }

	template<> bool TConsoleVariable<int32>::GetBool() const { return *Value != 0; }
	template<> int32 TConsoleVariable<int32>::GetInt() const { return *Value; }
	template<> float TConsoleVariable<int32>::GetFloat() const { return float(*Value); }
	template<> FString TConsoleVariable<int32>::GetString() const { return FString::Printf(TEXT("%d"), *Value); }

	template<> bool TConsoleVariable<float>::GetBool() const { return *Value != 0.0f; }
	template<> int32 TConsoleVariable<float>::GetInt() const { return int32(*Value); }
	template<> float TConsoleVariable<float>::GetFloat() const { return *Value; }
	template<> FString TConsoleVariable<float>::GetString() const { return FString::SanitizeFloat(*Value); }

	template<> bool TConsoleVariable<FString>::GetBool() const { return TextToBool(ToStd(*Value)); }
	template<> int32 TConsoleVariable<FString>::GetInt() const { return TextToInt(ToStd(*Value)); }
	template<> float TConsoleVariable<FString>::GetFloat() const { return TextToFloat(ToStd(*Value)); }
	template<> FString TConsoleVariable<FString>::GetString() const { return *Value; }

	/** One command; exactly one of the delegate kinds is bound. */
	class FConsoleCommand final : public IConsoleCommand
	{
	public:
		FConsoleCommand(const TCHAR* InHelp, uint32 InFlags)
			: Help(InHelp ? InHelp : u"")
			, Flags(EConsoleVariableFlags(InFlags))
		{
		}

		const TCHAR* GetHelp() const override { return Help.c_str(); }
		void SetHelp(const TCHAR* InHelp) override { Help = InHelp ? InHelp : u""; }
		EConsoleVariableFlags GetFlags() const override { return Flags; }
		void SetFlags(const EConsoleVariableFlags InFlags) override { Flags = InFlags; }

		bool Execute(const TArray<FString>& Args, UWorld* InWorld, FOutputDevice& OutputDevice) override
		{
			if (Plain.IsBound())
			{
				Plain.Execute();
				return true;
			}
			if (WithArgs.IsBound())
			{
				WithArgs.Execute(Args);
				return true;
			}
			if (WithWorld.IsBound())
			{
				WithWorld.Execute(InWorld);
				return true;
			}
			if (WithWorldAndArgs.IsBound())
			{
				WithWorldAndArgs.Execute(Args, InWorld);
				return true;
			}
			if (WithArgsAndOutput.IsBound())
			{
				WithArgsAndOutput.Execute(Args, OutputDevice);
				return true;
			}
			if (WithWorldArgsAndOutput.IsBound())
			{
				WithWorldArgsAndOutput.Execute(Args, InWorld, OutputDevice);
				return true;
			}
			if (WithOutput.IsBound())
			{
				WithOutput.Execute(OutputDevice);
				return true;
			}
			return false;
		}

		std::u16string Help;
		EConsoleVariableFlags Flags;
		FConsoleCommandDelegate Plain;
		FConsoleCommandWithArgsDelegate WithArgs;
		FConsoleCommandWithWorldDelegate WithWorld;
		FConsoleCommandWithWorldAndArgsDelegate WithWorldAndArgs;
		FConsoleCommandWithArgsAndOutputDeviceDelegate WithArgsAndOutput;
		FConsoleCommandWithWorldArgsAndOutputDeviceDelegate WithWorldArgsAndOutput;
		FConsoleCommandWithOutputDeviceDelegate WithOutput;
	};
}

class FConsoleManager final : public IConsoleManager
{
public:
	IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, bool DefaultValue, const TCHAR* Help, uint32 Flags) override { return AddVariable<bool>(Name, nullptr, DefaultValue, Help, Flags); }
	IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, int32 DefaultValue, const TCHAR* Help, uint32 Flags) override { return AddVariable<int32>(Name, nullptr, DefaultValue, Help, Flags); }
	IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, float DefaultValue, const TCHAR* Help, uint32 Flags) override { return AddVariable<float>(Name, nullptr, DefaultValue, Help, Flags); }
	IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, const TCHAR* DefaultValue, const TCHAR* Help, uint32 Flags) override { return AddVariable<FString>(Name, nullptr, FString(DefaultValue), Help, Flags); }
	IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, const FString& DefaultValue, const TCHAR* Help, uint32 Flags) override { return AddVariable<FString>(Name, nullptr, DefaultValue, Help, Flags); }
	IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, bool& RefValue, const TCHAR* Help, uint32 Flags) override { return AddVariable<bool>(Name, &RefValue, RefValue, Help, Flags); }
	IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, int32& RefValue, const TCHAR* Help, uint32 Flags) override { return AddVariable<int32>(Name, &RefValue, RefValue, Help, Flags); }
	IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, float& RefValue, const TCHAR* Help, uint32 Flags) override { return AddVariable<float>(Name, &RefValue, RefValue, Help, Flags); }
	IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, FString& RefValue, const TCHAR* Help, uint32 Flags) override { return AddVariable<FString>(Name, &RefValue, RefValue, Help, Flags); }

	IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandDelegate& Command, uint32 Flags) override
	{
		FConsoleCommand* New = new FConsoleCommand(Help, Flags);
		New->Plain = Command;
		return AddCommand(Name, New);
	}

	IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithArgsDelegate& Command, uint32 Flags) override
	{
		FConsoleCommand* New = new FConsoleCommand(Help, Flags);
		New->WithArgs = Command;
		return AddCommand(Name, New);
	}

	IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldDelegate& Command, uint32 Flags) override
	{
		FConsoleCommand* New = new FConsoleCommand(Help, Flags);
		New->WithWorld = Command;
		return AddCommand(Name, New);
	}

	IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldAndArgsDelegate& Command, uint32 Flags) override
	{
		FConsoleCommand* New = new FConsoleCommand(Help, Flags);
		New->WithWorldAndArgs = Command;
		return AddCommand(Name, New);
	}

	IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithArgsAndOutputDeviceDelegate& Command, uint32 Flags) override
	{
		FConsoleCommand* New = new FConsoleCommand(Help, Flags);
		New->WithArgsAndOutput = Command;
		return AddCommand(Name, New);
	}

	IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldArgsAndOutputDeviceDelegate& Command, uint32 Flags) override
	{
		FConsoleCommand* New = new FConsoleCommand(Help, Flags);
		New->WithWorldArgsAndOutput = Command;
		return AddCommand(Name, New);
	}

	IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithOutputDeviceDelegate& Command, uint32 Flags) override
	{
		FConsoleCommand* New = new FConsoleCommand(Help, Flags);
		New->WithOutput = Command;
		return AddCommand(Name, New);
	}

	void UnregisterConsoleObject(IConsoleObject* ConsoleObject, bool bKeepState) override
	{
		for (auto It = Objects.begin(); It != Objects.end(); ++It)
		{
			if (It->second.Object.get() == ConsoleObject)
			{
				Objects.erase(It);
				return;
			}
		}
	}

	void UnregisterConsoleObject(const TCHAR* Name, bool bKeepState) override
	{
		Objects.erase(Lower(Name ? Name : u""));
	}

	IConsoleVariable* FindConsoleVariable(const TCHAR* Name, bool bTrackFrequentCalls) const override
	{
		IConsoleObject* Object = FindConsoleObject(Name, bTrackFrequentCalls);
		return Object ? Object->AsVariable() : nullptr;
	}

	IConsoleObject* FindConsoleObject(const TCHAR* Name, bool bTrackFrequentCalls) const override
	{
		const auto It = Objects.find(Lower(Name ? Name : u""));
		return It == Objects.end() ? nullptr : It->second.Object.get();
	}

	bool IsNameRegistered(const TCHAR* Name) const override
	{
		return FindConsoleObject(Name, false) != nullptr;
	}

	void ForEachConsoleObjectThatStartsWith(const FConsoleObjectVisitor& Visitor, const TCHAR* ThatStartsWith) const override
	{
		const std::u16string Prefix = Lower(ThatStartsWith ? ThatStartsWith : u"");
		for (const auto& [Key, Entry] : Snapshot())
		{
			if (Key.compare(0, Prefix.size(), Prefix) == 0)
			{
				Visitor.ExecuteIfBound(Entry.first.c_str(), Entry.second);
			}
		}
	}

	void ForEachConsoleObjectThatContains(const FConsoleObjectVisitor& Visitor, const TCHAR* ThatContains) const override
	{
		const std::u16string Part = Lower(ThatContains ? ThatContains : u"");
		for (const auto& [Key, Entry] : Snapshot())
		{
			if (Key.find(Part) != std::u16string::npos)
			{
				Visitor.ExecuteIfBound(Entry.first.c_str(), Entry.second);
			}
		}
	}

	bool ProcessUserConsoleInput(const TCHAR* Input, FOutputDevice& Ar, UWorld* InWorld) override
	{
		const std::u16string Line = Trim(Input ? Input : u"");
		const size_t Space = Line.find_first_of(u" \t");
		const std::u16string Name = Line.substr(0, Space);
		const std::u16string Rest = Space == std::u16string::npos ? std::u16string() : Trim(Line.substr(Space));
		const auto It = Objects.find(Lower(Name));
		if (Name.empty() || It == Objects.end())
		{
			return false;
		}
		const std::u16string& DisplayName = It->second.Name;
		IConsoleObject* Object = It->second.Object.get();
		if (IConsoleCommand* Command = Object->AsCommand())
		{
			TArray<FString> Args;
			size_t Start = 0;
			while (Start < Rest.size())
			{
				const size_t End = Rest.find_first_of(u" \t", Start);
				const std::u16string Arg = Rest.substr(Start, End == std::u16string::npos ? std::u16string::npos : End - Start);
				if (!Arg.empty())
				{
					Args.Add(FromStd(Arg));
				}
				if (End == std::u16string::npos)
				{
					break;
				}
				Start = End + 1;
			}
			return Command->Execute(Args, InWorld, Ar);
		}

		IConsoleVariable* Variable = Object->AsVariable();
		if (Rest.empty())
		{
			Ar.Log(FString::Printf(TEXT("%s = \"%s\""), DisplayName.c_str(), *Variable->GetString()));
			return true;
		}
		if (Rest == u"?")
		{
			Ar.Log(FString::Printf(TEXT("HELP for '%s':\n%s"), DisplayName.c_str(), Variable->GetHelp()));
			return true;
		}
		if (Variable->TestFlags(ECVF_ReadOnly))
		{
			// At error verbosity so a caller watching for errors (the headless editor's exit status) sees the refusal.
			Ar.Log(ELogVerbosity::Error, FString::Printf(TEXT("Unable to edit console variable '%s', it is read only"), DisplayName.c_str()));
			return true;
		}
		std::u16string Value = Rest;
		// A quoted value ("25fps") is taken without its quotes.
		if (Value.size() >= 2 && Value.front() == u'"' && Value.back() == u'"')
		{
			Value = Value.substr(1, Value.size() - 2);
		}
		Variable->Set(Value.c_str(), ECVF_SetByConsole);
		Ar.Log(FString::Printf(TEXT("%s = \"%s\""), DisplayName.c_str(), *Variable->GetString()));
		return true;
	}

private:
	struct FEntry
	{
		std::u16string Name;
		std::shared_ptr<IConsoleObject> Object;
	};

	static void DestroyObject(IConsoleObject* Object)
	{
		delete Object;
	}

	template<typename T>
	IConsoleVariable* AddVariable(const TCHAR* Name, T* Ref, const T& Default, const TCHAR* Help, uint32 Flags)
	{
		const std::u16string Key = Lower(Name);
		if (const auto It = Objects.find(Key); It != Objects.end())
		{
			UE_LOG(LogConsoleManager, Warning, TEXT("Console object named '%s' already exists but is being registered again"), Name);
			return It->second.Object->AsVariable();
		}
		IConsoleVariable* New = new TConsoleVariable<T>(Name, Ref, Default, Help, Flags);
		Objects[Key] = FEntry{ Name, std::shared_ptr<IConsoleObject>(New, &DestroyObject) };
		return New;
	}

	IConsoleCommand* AddCommand(const TCHAR* Name, FConsoleCommand* New)
	{
		const std::u16string Key = Lower(Name);
		if (Objects.count(Key) != 0)
		{
			UE_LOG(LogConsoleManager, Warning, TEXT("Console object named '%s' already exists but is being registered again"), Name);
			delete New;
			return nullptr;
		}
		Objects[Key] = FEntry{ Name, std::shared_ptr<IConsoleObject>(New, &DestroyObject) };
		return New;
	}

	/** Visitors may register or unregister objects, so they walk a copy. */
	std::map<std::u16string, std::pair<std::u16string, IConsoleObject*>> Snapshot() const
	{
		std::map<std::u16string, std::pair<std::u16string, IConsoleObject*>> Out;
		for (const auto& [Key, Entry] : Objects)
		{
			Out[Key] = { Entry.Name, Entry.Object.get() };
		}
		return Out;
	}

	std::map<std::u16string, FEntry> Objects;
};

IConsoleManager& IConsoleManager::Get()
{
	static FConsoleManager* Manager = new FConsoleManager();
	return *Manager;
}

void IConsoleVariable::Set(bool InValue, EConsoleVariableFlags SetBy)
{
	Set(InValue ? TEXT("1") : TEXT("0"), SetBy);
}

void IConsoleVariable::Set(int32 InValue, EConsoleVariableFlags SetBy)
{
	Set(*FString::Printf(TEXT("%d"), InValue), SetBy);
}

void IConsoleVariable::Set(float InValue, EConsoleVariableFlags SetBy)
{
	Set(*FString::SanitizeFloat(InValue), SetBy);
}

void IConsoleVariable::Set(const FString& InValue, EConsoleVariableFlags SetBy)
{
	Set(*InValue, SetBy);
}

FAutoConsoleObject::FAutoConsoleObject(IConsoleObject* InTarget)
	: Target(InTarget)
{
}

FAutoConsoleObject::~FAutoConsoleObject()
{
	if (Target)
	{
		IConsoleManager::Get().UnregisterConsoleObject(Target);
	}
}

FAutoConsoleVariable::FAutoConsoleVariable(const TCHAR* Name, bool DefaultValue, const TCHAR* Help, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariable(Name, DefaultValue, Help, Flags))
{
}
FAutoConsoleVariable::FAutoConsoleVariable(const TCHAR* Name, int32 DefaultValue, const TCHAR* Help, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariable(Name, DefaultValue, Help, Flags))
{
}
FAutoConsoleVariable::FAutoConsoleVariable(const TCHAR* Name, float DefaultValue, const TCHAR* Help, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariable(Name, DefaultValue, Help, Flags))
{
}
FAutoConsoleVariable::FAutoConsoleVariable(const TCHAR* Name, const TCHAR* DefaultValue, const TCHAR* Help, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariable(Name, DefaultValue, Help, Flags))
{
}

FAutoConsoleVariableRef::FAutoConsoleVariableRef(const TCHAR* Name, bool& RefValue, const TCHAR* Help, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariableRef(Name, RefValue, Help, Flags))
{
}
FAutoConsoleVariableRef::FAutoConsoleVariableRef(const TCHAR* Name, int32& RefValue, const TCHAR* Help, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariableRef(Name, RefValue, Help, Flags))
{
}
FAutoConsoleVariableRef::FAutoConsoleVariableRef(const TCHAR* Name, float& RefValue, const TCHAR* Help, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariableRef(Name, RefValue, Help, Flags))
{
}
FAutoConsoleVariableRef::FAutoConsoleVariableRef(const TCHAR* Name, FString& RefValue, const TCHAR* Help, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariableRef(Name, RefValue, Help, Flags))
{
}

FAutoConsoleCommand::FAutoConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandDelegate& Command, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleCommand(Name, Help, Command, Flags))
{
}
FAutoConsoleCommand::FAutoConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithArgsDelegate& Command, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleCommand(Name, Help, Command, Flags))
{
}
FAutoConsoleCommand::FAutoConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldAndArgsDelegate& Command, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleCommand(Name, Help, Command, Flags))
{
}
FAutoConsoleCommand::FAutoConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithArgsAndOutputDeviceDelegate& Command, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleCommand(Name, Help, Command, Flags))
{
}
FAutoConsoleCommand::FAutoConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldArgsAndOutputDeviceDelegate& Command, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleCommand(Name, Help, Command, Flags))
{
}
FAutoConsoleCommandWithWorld::FAutoConsoleCommandWithWorld(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldDelegate& Command, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleCommand(Name, Help, Command, Flags))
{
}
FAutoConsoleCommandWithWorldAndArgs::FAutoConsoleCommandWithWorldAndArgs(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldAndArgsDelegate& Command, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleCommand(Name, Help, Command, Flags))
{
}
FAutoConsoleCommandWithOutputDevice::FAutoConsoleCommandWithOutputDevice(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithOutputDeviceDelegate& Command, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleCommand(Name, Help, Command, Flags))
{
}
FAutoConsoleCommandWithWorldArgsAndOutputDevice::FAutoConsoleCommandWithWorldArgsAndOutputDevice(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldArgsAndOutputDeviceDelegate& Command, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleCommand(Name, Help, Command, Flags))
{
}
FAutoConsoleCommandWithArgsAndOutputDevice::FAutoConsoleCommandWithArgsAndOutputDevice(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithArgsAndOutputDeviceDelegate& Command, uint32 Flags)
	: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleCommand(Name, Help, Command, Flags))
{
}
