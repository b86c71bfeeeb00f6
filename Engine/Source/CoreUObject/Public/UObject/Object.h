// UObject: the base of every reflected class.

#pragma once

#include "CoreMinimal.h"
#include "CoreGlobals.h"
#include "UObject/ObjectMacros.h"
#include "UObject/UObjectBase.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/ObjectPtr.h"
#include "UObject/WeakObjectPtr.h"
#include "UObject/Script.h"

class FConfigCacheIni;
class UFunction;
class UWorld;
class FOutputDevice;
class FProperty;
struct FPropertyChangedEvent;
struct FFrame;

namespace UE
{
	/** Flags for LoadConfig. */
	enum ELoadConfigPropagationFlags
	{
		LCPF_None = 0,
		LCPF_ReadParentSections = 1 << 0,
		LCPF_PropagateToChildDefaultObjects = 1 << 1,
		LCPF_PropagateToInstances = 1 << 2,
		LCPF_PersistentFlags = LCPF_ReadParentSections,
	};
}

class COREUOBJECT_API UObject : public UObjectBaseUtility
{
	DECLARE_CLASS(UObject, UObject, CLASS_Abstract | CLASS_Native | CLASS_Intrinsic, CASTCLASS_None, TEXT("/Script/CoreUObject"), COREUOBJECT_API)
	DEFINE_DEFAULT_OBJECT_INITIALIZER_CONSTRUCTOR_CALL(UObject)

public:
	typedef UObject WithinClass;

	UObject();
	UObject(const FObjectInitializer& ObjectInitializer);
	UObject(EStaticConstructor, EObjectFlags InFlags);
	virtual ~UObject() override;

	/** After the constructor and the copy of class defaults: configuration is loaded by then. */
	virtual void PostInitProperties();
	virtual void PostLoad();
	virtual void PostCDOContruct()
	{
	}
	virtual void BeginDestroy();
	virtual void FinishDestroy();
	virtual bool Modify(bool bAlwaysMarkDirty = true);
	virtual void PostRename(UObject* OldOuter, const FName OldName)
	{
	}
	virtual bool Rename(const TCHAR* NewName = nullptr, UObject* NewOuter = nullptr, ERenameFlags Flags = REN_None);

#if WITH_EDITOR
	virtual void PreEditChange(FProperty* PropertyAboutToChange);
	virtual void PostEditChange();
	virtual void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent);
	virtual bool CanEditChange(const FProperty* InProperty) const;
#endif

	/** The world this object lives in; objects outside a world return null. */
	virtual UWorld* GetWorld() const;
	virtual bool ImplementsGetWorld() const;
	virtual bool IsEditorOnly() const
	{
		return false;
	}
	virtual FString GetDesc()
	{
		return FString();
	}
	virtual FString GetDetailedInfoInternal() const
	{
		return FString(TEXT("No_Detailed_Info_Specified"));
	}

	/** Calls a reflected function with a parameter block laid out as its parameters: native
	 *  functions through their thunk, script functions (run-time classes) through their body,
	 *  events without an implementation do nothing. */
	virtual void ProcessEvent(UFunction* Function, void* Parms);

	/** Looks a function up by name on this object's class (its parents and interfaces included). */
	UFunction* FindFunction(FName InName) const;
	UFunction* FindFunctionChecked(FName InName) const;

	/** Console-style call "FunctionName Arg=Value ..." is not offered: see the `call` command. */
	bool CallFunctionByNameWithArguments(const TCHAR* Cmd, FOutputDevice& Ar, UObject* Executor, bool bForceCallWithNonExec = false);

	/** Writes the configuration properties of the class to its configuration file (or Filename),
	 *  in the section named by the class path, values in text form. */
	void SaveConfig(uint64 RequiredPropertyFlags = CPF_Config, const TCHAR* Filename = nullptr, FConfigCacheIni* Config = GConfig, bool bAllowCopyToDefaultObject = true);

	/** Writes the configuration properties to the class's Default<Config>.ini. */
	void UpdateDefaultConfigFile(const FString& SpecificFileLocation = FString());
	void TryUpdateDefaultConfigFile(const FString& SpecificFileLocation = FString(), bool bWarnIfFail = true);

	/** Reads the configuration properties of the class from the configuration system. */
	void LoadConfig(UClass* ConfigClass = nullptr, const TCHAR* Filename = nullptr, uint32 PropagationFlags = UE::LCPF_None, FProperty* PropertyToLoad = nullptr);
	void ReloadConfig(UClass* ConfigClass = nullptr, const TCHAR* Filename = nullptr, uint32 PropagationFlags = UE::LCPF_None, FProperty* PropertyToLoad = nullptr);

	/** Default<Config>.ini of the project for this class's configuration name. */
	FString GetDefaultConfigFilename() const;
	FString GetGlobalUserConfigFilename() const;
	FString GetProjectUserConfigFilename() const;

	/** Subobject creation from inside a constructor. */
	template<class TReturnType>
	TReturnType* CreateDefaultSubobject(FName SubobjectName, bool bTransient = false)
	{
		return static_cast<TReturnType*>(CreateDefaultSubobject(SubobjectName, TReturnType::StaticClass(), TReturnType::StaticClass(), true, bTransient));
	}

	UObject* CreateDefaultSubobject(FName SubobjectFName, UClass* ReturnType, UClass* ClassToCreateByDefault, bool bIsRequired, bool bIsTransient);

	bool IsSelected() const
	{
		return false;
	}

	bool IsAsset() const;

	/** Marks the object's package as changed. */
	bool MarkPackageDirty() const;

	/** Native function thunk for UObject's own reflected functions (none). */
	static void StaticRegisterNativesUObject()
	{
	}

	/** Class defaults of the object's class. */
	UObject* GetArchetype() const;
};

/** UObject free helpers that need the full class. */
template<class T>
inline T* GetValid(T* Test)
{
	return IsValid(Test) ? Test : nullptr;
}
