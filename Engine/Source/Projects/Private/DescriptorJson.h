// JSON reading shared by the project and plugin descriptors.
#pragma once

#include "CoreMinimal.h"
#include "ModuleDescriptor.h"
#include "PluginReferenceDescriptor.h"

#include <nlohmann/json.hpp>
#include <string>

namespace UE::Projects::Private
{
	inline std::string ToUtf8(const FString& In)
	{
		return std::string(TCHAR_TO_UTF8(*In));
	}

	inline FString FromUtf8(const std::string& In)
	{
		return FString(UTF8_TO_TCHAR(In.c_str()));
	}

	inline FString ReadString(const nlohmann::json& Object, const char* Field)
	{
		const auto It = Object.find(Field);
		return (It != Object.end() && It->is_string()) ? FromUtf8(It->get<std::string>()) : FString();
	}

	inline bool ReadBool(const nlohmann::json& Object, const char* Field, bool bDefault)
	{
		const auto It = Object.find(Field);
		return (It != Object.end() && It->is_boolean()) ? It->get<bool>() : bDefault;
	}

	inline TArray<FString> ReadStringArray(const nlohmann::json& Object, const char* Field)
	{
		TArray<FString> Out;
		const auto It = Object.find(Field);
		if (It != Object.end() && It->is_array())
		{
			for (const nlohmann::json& Item : *It)
			{
				if (Item.is_string())
				{
					Out.Add(FromUtf8(Item.get<std::string>()));
				}
			}
		}
		return Out;
	}

	/** False with a reason when an entry lacks its name or names an unknown type or phase. */
	bool ReadModules(const nlohmann::json& Object, TArray<FModuleDescriptor>& OutModules, FText& OutFailReason);
	bool ReadPluginReferences(const nlohmann::json& Object, TArray<FPluginReferenceDescriptor>& OutPlugins, FText& OutFailReason);

	/** Parses descriptor text; false with the parser's message when it is not a JSON object. */
	bool ParseDescriptor(const FString& Text, nlohmann::json& OutObject, FText& OutFailReason);
	bool LoadDescriptorFile(const FString& FileName, nlohmann::json& OutObject, FText& OutFailReason);
}
