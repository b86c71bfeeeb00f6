// Configuration of objects: CPF_Config properties in text form, one section per class path.

#include "UObject/Object.h"
#include "UObject/Class.h"
#include "UObject/UnrealType.h"
#include "UObject/ObjectTable.h"
#include "Misc/ConfigCacheIni.h"
#include "Misc/Paths.h"

namespace
{
	/** GlobalConfig properties live in the section of the class that declares them. */
	FString SectionFor(const UObject* Object, const FProperty* Property)
	{
		if (Property->HasAnyPropertyFlags(CPF_GlobalConfig))
		{
			if (UClass* Owner = Property->GetOwnerClass())
			{
				return Owner->GetPathName();
			}
		}
		return Object->GetClass()->GetPathName();
	}

	FString ConfigFilenameFor(const UObject* Object)
	{
		const UClass* Class = Object->GetClass();
		if (Class->HasAnyClassFlags(CLASS_DefaultConfig))
		{
			return Object->GetDefaultConfigFilename();
		}
		if (Class->HasAnyClassFlags(CLASS_GlobalUserConfig))
		{
			return Object->GetGlobalUserConfigFilename();
		}
		if (Class->HasAnyClassFlags(CLASS_ProjectUserConfig))
		{
			return Object->GetProjectUserConfigFilename();
		}
		return Class->GetConfigName();
	}
}

FString UObject::GetDefaultConfigFilename() const
{
	return FPaths::ProjectConfigDir() / (FString(TEXT("Default")) + GetClass()->ClassConfigName.ToString() + TEXT(".ini"));
}

FString UObject::GetGlobalUserConfigFilename() const
{
	checkf(false, TEXT("GlobalUserConfig is not implemented in the stand-in"));
	return FString();
}

FString UObject::GetProjectUserConfigFilename() const
{
	return FPaths::ProjectConfigDir() / TEXT("UserEditorPerProjectUserSettings.ini");
}

void UObject::SaveConfig(uint64 RequiredPropertyFlags, const TCHAR* InFilename, FConfigCacheIni* Config, bool bAllowCopyToDefaultObject)
{
	UClass* Class = GetClass();
	if (!Class->HasAnyClassFlags(CLASS_Config))
	{
		return;
	}
	checkf(!Class->HasAnyClassFlags(CLASS_PerObjectConfig), TEXT("PerObjectConfig is not implemented in the stand-in"));
	checkf(Config != nullptr, TEXT("SaveConfig of %s without a config cache"), *GetPathName());
	const FString Filename = InFilename ? FString(InFilename) : ConfigFilenameFor(this);
	UObject* Defaults = Class->GetDefaultObject(false);
	const bool bCopyToDefaults = bAllowCopyToDefaultObject && Defaults && Defaults != this;

	for (TFieldIterator<FProperty> It(Class); It; ++It)
	{
		FProperty* Property = *It;
		if (!Property->HasAnyPropertyFlags(CPF_Config) || (Property->PropertyFlags & RequiredPropertyFlags) != RequiredPropertyFlags)
		{
			continue;
		}
		const FString Section = SectionFor(this, Property);
		const FString Key = Property->GetName();
		if (const FArrayProperty* ArrayProperty = CastField<FArrayProperty>(Property))
		{
			FScriptArrayHelper Helper(ArrayProperty, Property->ContainerPtrToValuePtr<void>(this));
			TArray<FString> Values;
			for (int32 Index = 0; Index < Helper.Num(); ++Index)
			{
				FString Value;
				ArrayProperty->Inner->ExportTextItem_Direct(Value, Helper.GetRawPtr(Index), nullptr, this, PPF_None);
				Values.Add(Value);
			}
			Config->SetArray(*Section, *Key, Values, Filename);
		}
		else
		{
			checkf(Property->ArrayDim == 1, TEXT("Static array config properties are not implemented in the stand-in (%s)"), *Key);
			FString Value;
			Property->ExportText_InContainer(0, Value, this, nullptr, this, PPF_None);
			Config->SetString(*Section, *Key, *Value, Filename);
		}
		if (bCopyToDefaults)
		{
			Property->CopyCompleteValue_InContainer(Defaults, this);
		}
	}
	Config->Flush(false, Filename);
}

void UObject::UpdateDefaultConfigFile(const FString& SpecificFileLocation)
{
	SaveConfig(CPF_Config, *(SpecificFileLocation.IsEmpty() ? GetDefaultConfigFilename() : SpecificFileLocation), GConfig, true);
}

void UObject::TryUpdateDefaultConfigFile(const FString& SpecificFileLocation, bool bWarnIfFail)
{
	UpdateDefaultConfigFile(SpecificFileLocation);
}

void UObject::LoadConfig(UClass* ConfigClass, const TCHAR* InFilename, uint32 PropagationFlags, FProperty* PropertyToLoad)
{
	UClass* Class = ConfigClass ? ConfigClass : GetClass();
	if (!Class->HasAnyClassFlags(CLASS_Config))
	{
		return;
	}
	checkf(!Class->HasAnyClassFlags(CLASS_PerObjectConfig), TEXT("PerObjectConfig is not implemented in the stand-in"));
	checkf(GConfig != nullptr, TEXT("LoadConfig of %s before the config system is up"), *GetPathName());
	const FString Filename = InFilename ? FString(InFilename) : Class->GetConfigName();

	for (TFieldIterator<FProperty> It(Class); It; ++It)
	{
		FProperty* Property = *It;
		if (!Property->HasAnyPropertyFlags(CPF_Config) || (PropertyToLoad && PropertyToLoad != Property))
		{
			continue;
		}
		const FString Section = SectionFor(this, Property);
		const FString Key = Property->GetName();
		if (const FArrayProperty* ArrayProperty = CastField<FArrayProperty>(Property))
		{
			TArray<FString> Values;
			if (GConfig->GetArray(*Section, *Key, Values, Filename) == 0)
			{
				continue;
			}
			FScriptArrayHelper Helper(ArrayProperty, Property->ContainerPtrToValuePtr<void>(this));
			Helper.EmptyValues();
			for (const FString& Value : Values)
			{
				const int32 Index = Helper.AddValue();
				if (!ArrayProperty->Inner->ImportText_Direct(*Value, Helper.GetRawPtr(Index), this, PPF_None))
				{
					UE_LOG(LogUObjectGlobals, Warning, TEXT("LoadConfig: [%s] %s: cannot read '%s'"), *Section, *Key, *Value);
				}
			}
			continue;
		}
		FString Value;
		if (GConfig->GetString(*Section, *Key, Value, Filename))
		{
			if (!Property->ImportText_InContainer(*Value, this, this, PPF_None))
			{
				UE_LOG(LogUObjectGlobals, Warning, TEXT("LoadConfig: [%s] %s: cannot read '%s'"), *Section, *Key, *Value);
			}
		}
	}
}

void UObject::ReloadConfig(UClass* ConfigClass, const TCHAR* Filename, uint32 PropagationFlags, FProperty* PropertyToLoad)
{
	LoadConfig(ConfigClass, Filename, PropagationFlags, PropertyToLoad);
}

namespace UE::CoreUObject::Private
{
	void LoadConfigForNewDefaultObject(UObject* Object)
	{
		// Without a config system (bare tests) defaults stay as constructed.
		if (GConfig && Object->GetClass()->HasAnyClassFlags(CLASS_Config))
		{
			Object->LoadConfig();
		}
	}
}
