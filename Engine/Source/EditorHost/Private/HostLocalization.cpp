#include "HostLocalization.h"

#include "HAL/FileManager.h"
#include "Interfaces/IPluginManager.h"
#include "Internationalization/TextLocalizationManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

#include <nlohmann/json.hpp>
#include <string>

DEFINE_LOG_CATEGORY_STATIC(LogLocalization, Log, All);

namespace UE::EditorHost::Private
{
	namespace
	{
		FString FromUtf8(const std::string& In)
		{
			return FString(UTF8_TO_TCHAR(In.c_str()));
		}

		bool ReadCultureFile(const FString& FileName, int32 Priority, FTextLocalizationResource& OutResource)
		{
			FString Text;
			if (!FFileHelper::LoadFileToString(Text, *FileName))
			{
				UE_LOG(LogLocalization, Warning, TEXT("Could not read translations %s"), *FileName);
				return false;
			}
			nlohmann::json Root;
			try
			{
				Root = nlohmann::json::parse(std::string(TCHAR_TO_UTF8(*Text)));
			}
			catch (const nlohmann::json::parse_error& Error)
			{
				UE_LOG(LogLocalization, Warning, TEXT("Translations %s skipped: not valid JSON: %s"), *FileName, *FromUtf8(Error.what()));
				return false;
			}
			if (!Root.is_object())
			{
				UE_LOG(LogLocalization, Warning, TEXT("Translations %s skipped: expected an object of namespaces"), *FileName);
				return false;
			}
			for (const auto& [Namespace, Keys] : Root.items())
			{
				if (!Keys.is_object())
				{
					UE_LOG(LogLocalization, Warning, TEXT("Translations %s: namespace '%s' is not an object of keys; skipped"), *FileName, *FromUtf8(Namespace));
					continue;
				}
				for (const auto& [Key, Entry] : Keys.items())
				{
					const bool bValid = Entry.is_object() && Entry.contains("Source") && Entry["Source"].is_string()
						&& Entry.contains("Translation") && Entry["Translation"].is_string();
					if (!bValid)
					{
						UE_LOG(LogLocalization, Warning, TEXT("Translations %s: %s/%s needs string fields Source and Translation; skipped"), *FileName, *FromUtf8(Namespace), *FromUtf8(Key));
						continue;
					}
					OutResource.AddEntry(FromUtf8(Namespace), FromUtf8(Key), FromUtf8(Entry["Source"].get<std::string>()), FromUtf8(Entry["Translation"].get<std::string>()), Priority);
				}
			}
			return true;
		}

		void LoadFolder(const FString& ContentDir, int32 Priority, TMap<FString, FTextLocalizationResource>& Cultures)
		{
			const FString Folder = FPaths::Combine(ContentDir, TEXT("Localization"));
			TArray<FString> Files;
			IFileManager::Get().FindFiles(Files, *Folder, TEXT("json"));
			for (const FString& File : Files)
			{
				FTextLocalizationResource& Resource = Cultures.FindOrAdd(FPaths::GetBaseFilename(File));
				ReadCultureFile(FPaths::Combine(Folder, File), Priority, Resource);
			}
		}
	}

	void LoadTranslations()
	{
		TMap<FString, FTextLocalizationResource> Cultures;
		for (const TSharedRef<IPlugin>& Plugin : IPluginManager::Get().GetEnabledPlugins())
		{
			LoadFolder(Plugin->GetContentDir(), 1, Cultures);
		}
		// A lower priority value wins: the project's translations override a plugin's.
		if (FPaths::IsProjectFilePathSet())
		{
			LoadFolder(FPaths::ProjectContentDir(), 0, Cultures);
		}
		FTextLocalizationManager& Manager = FTextLocalizationManager::Get();
		Manager.RemoveCultureResources();
		for (const auto& Pair : Cultures)
		{
			Manager.AddOrUpdateCultureResource(Pair.Key, Pair.Value);
		}
		Manager.RefreshResources();
	}
}
