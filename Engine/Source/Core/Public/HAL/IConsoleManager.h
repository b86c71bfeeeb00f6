// Console variables and commands, after the engine's IConsoleManager.
#pragma once

#include "CoreTypes.h"
#include "Containers/UnrealString.h"
#include "Containers/Array.h"
#include "Delegates/Delegate.h"

class FOutputDevice;
class UWorld;
struct IConsoleVariable;
struct IConsoleCommand;

enum EConsoleVariableFlags
{
	ECVF_FlagMask = 0x0000ffff,
	ECVF_Default = 0x0,
	/** Only changeable in development builds. */
	ECVF_Cheat = 0x1,
	/** Cannot be changed from the console (code may still set it). */
	ECVF_ReadOnly = 0x4,
	ECVF_Unregistered = 0x8,
	ECVF_CreatedFromIni = 0x10,
	ECVF_RenderThreadSafe = 0x20,
	ECVF_Scalability = 0x40,
	ECVF_ScalabilityGroup = 0x80,
	ECVF_Preview = 0x100,
	ECVF_GeneralShaderChange = 0x200,
	ECVF_MobileShaderChange = 0x400,
	ECVF_DesktopShaderChange = 0x800,
	ECVF_ExcludeFromPreview = 0x1000,

	/** Who set the value last; a lower priority cannot override a higher one. */
	ECVF_SetByMask = 0xff000000,
	ECVF_SetByConstructor = 0x00000000,
	ECVF_SetByScalability = 0x01000000,
	ECVF_SetByGameSetting = 0x02000000,
	ECVF_SetByProjectSetting = 0x03000000,
	ECVF_SetBySystemSettingsIni = 0x04000000,
	ECVF_SetByDeviceProfile = 0x05000000,
	ECVF_SetByGameOverride = 0x06000000,
	ECVF_SetByConsoleVariablesIni = 0x07000000,
	ECVF_SetByCommandline = 0x08000000,
	ECVF_SetByCode = 0x09000000,
	ECVF_SetByConsole = 0x0A000000,
};

DECLARE_DELEGATE(FConsoleCommandDelegate);
DECLARE_DELEGATE_OneParam(FConsoleCommandWithArgsDelegate, const TArray<FString>&);
DECLARE_DELEGATE_OneParam(FConsoleCommandWithWorldDelegate, UWorld*);
DECLARE_DELEGATE_TwoParams(FConsoleCommandWithWorldAndArgsDelegate, const TArray<FString>&, UWorld*);
DECLARE_DELEGATE_TwoParams(FConsoleCommandWithArgsAndOutputDeviceDelegate, const TArray<FString>&, FOutputDevice&);
DECLARE_DELEGATE_ThreeParams(FConsoleCommandWithWorldArgsAndOutputDeviceDelegate, const TArray<FString>&, UWorld*, FOutputDevice&);
DECLARE_DELEGATE_OneParam(FConsoleCommandWithOutputDeviceDelegate, FOutputDevice&);
DECLARE_DELEGATE_OneParam(FConsoleVariableDelegate, IConsoleVariable*);
DECLARE_MULTICAST_DELEGATE_OneParam(FConsoleVariableMulticastDelegate, IConsoleVariable*);

struct CORE_API IConsoleObject
{
	IConsoleObject() = default;
	IConsoleObject(const IConsoleObject&) = delete;
	IConsoleObject& operator=(const IConsoleObject&) = delete;

	virtual const TCHAR* GetHelp() const = 0;
	virtual void SetHelp(const TCHAR* Value) = 0;
	virtual EConsoleVariableFlags GetFlags() const = 0;
	virtual void SetFlags(const EConsoleVariableFlags Value) = 0;

	void ClearFlags(const EConsoleVariableFlags Value)
	{
		SetFlags(EConsoleVariableFlags(uint32(GetFlags()) & ~uint32(Value)));
	}

	bool TestFlags(const EConsoleVariableFlags Value) const
	{
		return (uint32(GetFlags()) & uint32(Value)) != 0;
	}

	virtual IConsoleVariable* AsVariable()
	{
		return nullptr;
	}

	virtual IConsoleCommand* AsCommand()
	{
		return nullptr;
	}

protected:
	virtual ~IConsoleObject() = default;

	friend class FConsoleManager;
};

struct CORE_API IConsoleVariable : public IConsoleObject
{
	/** Sets from text; ignored (with a warning) when SetBy is of lower priority than the last setter. */
	virtual void Set(const TCHAR* InValue, EConsoleVariableFlags SetBy = ECVF_SetByCode) = 0;
	virtual bool GetBool() const = 0;
	virtual int32 GetInt() const = 0;
	virtual float GetFloat() const = 0;
	virtual FString GetString() const = 0;

	virtual bool IsVariableBool() const { return false; }
	virtual bool IsVariableInt() const { return false; }
	virtual bool IsVariableFloat() const { return false; }
	virtual bool IsVariableString() const { return false; }

	/** Called after every accepted change. */
	virtual void SetOnChangedCallback(const FConsoleVariableDelegate& Callback) = 0;
	virtual FConsoleVariableMulticastDelegate& OnChangedDelegate() = 0;

	IConsoleVariable* AsVariable() override
	{
		return this;
	}

	void Set(bool InValue, EConsoleVariableFlags SetBy = ECVF_SetByCode);
	void Set(int32 InValue, EConsoleVariableFlags SetBy = ECVF_SetByCode);
	void Set(float InValue, EConsoleVariableFlags SetBy = ECVF_SetByCode);
	void Set(const FString& InValue, EConsoleVariableFlags SetBy = ECVF_SetByCode);

	void GetValue(int32& OutIntValue) { OutIntValue = GetInt(); }
	void GetValue(bool& OutBoolValue) { OutBoolValue = GetBool(); }
	void GetValue(float& OutFloatValue) { OutFloatValue = GetFloat(); }
	void GetValue(FString& OutStringValue) { OutStringValue = GetString(); }
};

struct CORE_API IConsoleCommand : public IConsoleObject
{
	/** Runs the command; true when a bound delegate ran. */
	virtual bool Execute(const TArray<FString>& Args, UWorld* InWorld, FOutputDevice& OutputDevice) = 0;

	IConsoleCommand* AsCommand() override
	{
		return this;
	}
};

DECLARE_DELEGATE_TwoParams(FConsoleObjectVisitor, const TCHAR*, IConsoleObject*);

struct CORE_API IConsoleManager
{
	static IConsoleManager& Get();

	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, bool DefaultValue, const TCHAR* Help, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, int32 DefaultValue, const TCHAR* Help, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, float DefaultValue, const TCHAR* Help, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, const TCHAR* DefaultValue, const TCHAR* Help, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariable(const TCHAR* Name, const FString& DefaultValue, const TCHAR* Help, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, bool& RefValue, const TCHAR* Help, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, int32& RefValue, const TCHAR* Help, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, float& RefValue, const TCHAR* Help, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleVariable* RegisterConsoleVariableRef(const TCHAR* Name, FString& RefValue, const TCHAR* Help, uint32 Flags = ECVF_Default) = 0;

	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandDelegate& Command, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithArgsDelegate& Command, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldDelegate& Command, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldAndArgsDelegate& Command, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithArgsAndOutputDeviceDelegate& Command, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldArgsAndOutputDeviceDelegate& Command, uint32 Flags = ECVF_Default) = 0;
	virtual IConsoleCommand* RegisterConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithOutputDeviceDelegate& Command, uint32 Flags = ECVF_Default) = 0;

	/** Removes and destroys the object; the stand-in keeps no state of unregistered variables. */
	virtual void UnregisterConsoleObject(IConsoleObject* ConsoleObject, bool bKeepState = true) = 0;
	virtual void UnregisterConsoleObject(const TCHAR* Name, bool bKeepState = true) = 0;

	/** Case-insensitive lookups; null when nothing of that name is registered. */
	virtual IConsoleVariable* FindConsoleVariable(const TCHAR* Name, bool bTrackFrequentCalls = true) const = 0;
	virtual IConsoleObject* FindConsoleObject(const TCHAR* Name, bool bTrackFrequentCalls = true) const = 0;
	virtual bool IsNameRegistered(const TCHAR* Name) const = 0;

	/** Visits every object whose name starts with the prefix (case-insensitive), in name order. */
	virtual void ForEachConsoleObjectThatStartsWith(const FConsoleObjectVisitor& Visitor, const TCHAR* ThatStartsWith = TEXT("")) const = 0;
	virtual void ForEachConsoleObjectThatContains(const FConsoleObjectVisitor& Visitor, const TCHAR* ThatContains) const = 0;

	/**
	 * "Name" prints a variable's value, "Name Value" sets it, "Name ?" prints its help; a command runs
	 * with the rest of the line as arguments. False when no object of that name exists.
	 */
	virtual bool ProcessUserConsoleInput(const TCHAR* Input, FOutputDevice& Ar, UWorld* InWorld) = 0;

protected:
	virtual ~IConsoleManager() = default;
};

/** Registers on construction and unregisters on destruction, for file-scope console objects. */
class CORE_API FAutoConsoleObject
{
protected:
	explicit FAutoConsoleObject(IConsoleObject* InTarget);

public:
	virtual ~FAutoConsoleObject();

	IConsoleVariable* AsVariable()
	{
		return Target ? Target->AsVariable() : nullptr;
	}

	const IConsoleVariable* AsVariable() const
	{
		return Target ? Target->AsVariable() : nullptr;
	}

private:
	IConsoleObject* Target;
};

class CORE_API FAutoConsoleVariable : public FAutoConsoleObject
{
public:
	FAutoConsoleVariable(const TCHAR* Name, bool DefaultValue, const TCHAR* Help, uint32 Flags = ECVF_Default);
	FAutoConsoleVariable(const TCHAR* Name, int32 DefaultValue, const TCHAR* Help, uint32 Flags = ECVF_Default);
	FAutoConsoleVariable(const TCHAR* Name, float DefaultValue, const TCHAR* Help, uint32 Flags = ECVF_Default);
	FAutoConsoleVariable(const TCHAR* Name, const TCHAR* DefaultValue, const TCHAR* Help, uint32 Flags = ECVF_Default);

	IConsoleVariable& operator*()
	{
		return *AsVariable();
	}

	IConsoleVariable* operator->()
	{
		return AsVariable();
	}
};

class CORE_API FAutoConsoleVariableRef : public FAutoConsoleObject
{
public:
	FAutoConsoleVariableRef(const TCHAR* Name, bool& RefValue, const TCHAR* Help, uint32 Flags = ECVF_Default);
	FAutoConsoleVariableRef(const TCHAR* Name, int32& RefValue, const TCHAR* Help, uint32 Flags = ECVF_Default);
	FAutoConsoleVariableRef(const TCHAR* Name, float& RefValue, const TCHAR* Help, uint32 Flags = ECVF_Default);
	FAutoConsoleVariableRef(const TCHAR* Name, FString& RefValue, const TCHAR* Help, uint32 Flags = ECVF_Default);

	IConsoleVariable& operator*()
	{
		return *AsVariable();
	}

	IConsoleVariable* operator->()
	{
		return AsVariable();
	}
};

/** A typed variable owned by a file-scope object. */
template<class T>
class TAutoConsoleVariable : public FAutoConsoleObject
{
public:
	TAutoConsoleVariable(const TCHAR* Name, const T& DefaultValue, const TCHAR* Help, uint32 Flags = ECVF_Default)
		: FAutoConsoleObject(IConsoleManager::Get().RegisterConsoleVariable(Name, DefaultValue, Help, Flags))
	{
	}

	T GetValueOnGameThread() const
	{
		T Value;
		const_cast<TAutoConsoleVariable*>(this)->AsVariable()->GetValue(Value);
		return Value;
	}

	T GetValueOnRenderThread() const
	{
		return GetValueOnGameThread();
	}

	T GetValueOnAnyThread(bool bForceGameThread = false) const
	{
		return GetValueOnGameThread();
	}

	IConsoleVariable& operator*()
	{
		return *AsVariable();
	}

	IConsoleVariable* operator->()
	{
		return AsVariable();
	}
};

class CORE_API FAutoConsoleCommand : public FAutoConsoleObject
{
public:
	FAutoConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandDelegate& Command, uint32 Flags = ECVF_Default);
	FAutoConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithArgsDelegate& Command, uint32 Flags = ECVF_Default);
	FAutoConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldAndArgsDelegate& Command, uint32 Flags = ECVF_Default);
	FAutoConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithArgsAndOutputDeviceDelegate& Command, uint32 Flags = ECVF_Default);
	FAutoConsoleCommand(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldArgsAndOutputDeviceDelegate& Command, uint32 Flags = ECVF_Default);
};

class CORE_API FAutoConsoleCommandWithWorld : public FAutoConsoleObject
{
public:
	FAutoConsoleCommandWithWorld(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldDelegate& Command, uint32 Flags = ECVF_Default);
};

class CORE_API FAutoConsoleCommandWithWorldAndArgs : public FAutoConsoleObject
{
public:
	FAutoConsoleCommandWithWorldAndArgs(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldAndArgsDelegate& Command, uint32 Flags = ECVF_Default);
};

class CORE_API FAutoConsoleCommandWithOutputDevice : public FAutoConsoleObject
{
public:
	FAutoConsoleCommandWithOutputDevice(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithOutputDeviceDelegate& Command, uint32 Flags = ECVF_Default);
};

class CORE_API FAutoConsoleCommandWithWorldArgsAndOutputDevice : public FAutoConsoleObject
{
public:
	FAutoConsoleCommandWithWorldArgsAndOutputDevice(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithWorldArgsAndOutputDeviceDelegate& Command, uint32 Flags = ECVF_Default);
};

class CORE_API FAutoConsoleCommandWithArgsAndOutputDevice : public FAutoConsoleObject
{
public:
	FAutoConsoleCommandWithArgsAndOutputDevice(const TCHAR* Name, const TCHAR* Help, const FConsoleCommandWithArgsAndOutputDeviceDelegate& Command, uint32 Flags = ECVF_Default);
};
