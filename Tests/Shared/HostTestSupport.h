// Temporary folders and small file helpers for the host, paths, config and module tests.
#pragma once

#include "CoreMinimal.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace HostTest
{
	/** A fresh folder under the system temp folder, removed with everything in it when the object dies. */
	class FScopedTempDir
	{
	public:
		FScopedTempDir()
		{
			// mkdtemp, not the process id: a test that died keeps its folder, and a later process may get its id.
			std::string Template = (std::filesystem::temp_directory_path() / "quovex-host-test-XXXXXX").string();
			if (mkdtemp(Template.data()) == nullptr)
			{
				throw std::filesystem::filesystem_error("cannot make a temporary folder", Template, std::error_code(errno, std::generic_category()));
			}
			Root = Template;
		}

		~FScopedTempDir()
		{
			std::error_code Error;
			std::filesystem::remove_all(Root, Error);
		}

		std::filesystem::path Path(const std::string& Relative = std::string()) const
		{
			return Relative.empty() ? Root : Root / Relative;
		}

		FString Str(const std::string& Relative = std::string()) const
		{
			return FString(UTF8_TO_TCHAR(Path(Relative).generic_string().c_str()));
		}

	private:
		std::filesystem::path Root;
	};

	inline void WriteFile(const std::filesystem::path& Path, const std::string& Bytes)
	{
		std::filesystem::create_directories(Path.parent_path());
		std::ofstream Stream(Path, std::ios::binary | std::ios::trunc);
		Stream << Bytes;
	}

	inline std::string ReadFile(const std::filesystem::path& Path)
	{
		std::ifstream Stream(Path, std::ios::binary);
		std::stringstream Buffer;
		Buffer << Stream.rdbuf();
		return Buffer.str();
	}

	inline std::string Utf8(const FString& Text)
	{
		return std::string(TCHAR_TO_UTF8(*Text));
	}
}
