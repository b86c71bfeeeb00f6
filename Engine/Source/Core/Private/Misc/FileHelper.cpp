#include "Misc/FileHelper.h"

#include "HAL/PlatformFileManager.h"
#include "Misc/CoreHostState.h"
#include "Misc/Paths.h"
#include "Misc/Utf8Conversion.h"

#include <fstream>
#include <iterator>

using namespace UE::Core::Private;

namespace
{
	bool ReadBytes(const TCHAR* Filename, std::string& Out)
	{
		std::ifstream Stream(ToUtf8(Filename), std::ios::binary);
		if (!Stream)
		{
			return false;
		}
		Out.clear();
		char Chunk[16384];
		while (Stream.read(Chunk, sizeof(Chunk)) || Stream.gcount() > 0)
		{
			Out.append(Chunk, size_t(Stream.gcount()));
		}
		return !Stream.bad();
	}

	bool WriteBytes(const std::string& Bytes, const TCHAR* Filename, IFileManager* FileManager, uint32 WriteFlags)
	{
		IFileManager& Manager = FileManager ? *FileManager : IFileManager::Get();
		if ((WriteFlags & FILEWRITE_NoReplaceExisting) && Manager.FileExists(Filename))
		{
			return false;
		}
		// A read-only file refuses the write, whoever runs the process (the engine's writer opens it for writing).
		if (!(WriteFlags & FILEWRITE_EvenIfReadOnly) && FPlatformFileManager::Get().GetPlatformFile().IsReadOnly(Filename))
		{
			return false;
		}
		// The engine's file writer creates the folder it writes into.
		const FString Directory = FPaths::GetPath(FString(Filename));
		if (Directory.Len() > 0)
		{
			Manager.MakeDirectory(*Directory, true);
		}
		const std::ios::openmode Mode = std::ios::binary | ((WriteFlags & FILEWRITE_Append) ? std::ios::app : std::ios::trunc);
		std::ofstream Stream(ToUtf8(Filename), Mode);
		if (!Stream)
		{
			return false;
		}
		Stream.write(Bytes.data(), std::streamsize(Bytes.size()));
		return bool(Stream);
	}

	std::u16string DecodeText(const uint8* Buffer, int32 Size)
	{
		if (Size >= 2 && Buffer[0] == 0xFF && Buffer[1] == 0xFE)
		{
			std::u16string Out;
			for (int32 Index = 2; Index + 1 < Size; Index += 2)
			{
				Out.push_back(char16_t(Buffer[Index] | (Buffer[Index + 1] << 8)));
			}
			return Out;
		}
		if (Size >= 2 && Buffer[0] == 0xFE && Buffer[1] == 0xFF)
		{
			std::u16string Out;
			for (int32 Index = 2; Index + 1 < Size; Index += 2)
			{
				Out.push_back(char16_t((Buffer[Index] << 8) | Buffer[Index + 1]));
			}
			return Out;
		}
		int32 Start = 0;
		if (Size >= 3 && Buffer[0] == 0xEF && Buffer[1] == 0xBB && Buffer[2] == 0xBF)
		{
			Start = 3;
		}
		return Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(Buffer) + Start, size_t(Size - Start)));
	}

	std::string EncodeText(const FString& String, FFileHelper::EEncodingOptions Encoding)
	{
		const std::u16string Wide = ToStd(String);
		bool bAllAnsi = true;
		for (char16_t Char : Wide)
		{
			bAllAnsi = bAllAnsi && Char < 0x80;
		}
		using EEncoding = FFileHelper::EEncodingOptions;
		if (Encoding == EEncoding::ForceAnsi || (Encoding == EEncoding::AutoDetect && bAllAnsi))
		{
			std::string Out;
			for (char16_t Char : Wide)
			{
				Out.push_back(Char < 0x100 ? char(Char) : '?');
			}
			return Out;
		}
		if (Encoding == EEncoding::ForceUTF8 || Encoding == EEncoding::ForceUTF8WithoutBOM)
		{
			std::string Out = Encoding == EEncoding::ForceUTF8 ? std::string("\xEF\xBB\xBF") : std::string();
			Out += ToUtf8(String);
			return Out;
		}
		std::string Out("\xFF\xFE");
		for (char16_t Char : Wide)
		{
			Out.push_back(char(Char & 0xFF));
			Out.push_back(char(Char >> 8));
		}
		return Out;
	}
}

bool FFileHelper::LoadFileToArray(TArray<uint8>& Result, const TCHAR* Filename, uint32 Flags)
{
	std::string Bytes;
	if (!ReadBytes(Filename, Bytes))
	{
		return false;
	}
	Result.Empty(int32(Bytes.size()));
	Result.Append(reinterpret_cast<const uint8*>(Bytes.data()), int32(Bytes.size()));
	return true;
}

void FFileHelper::BufferToString(FString& Result, const uint8* Buffer, int32 Size)
{
	Result = FromStd(DecodeText(Buffer, Size));
}

bool FFileHelper::LoadFileToString(FString& Result, const TCHAR* Filename, EHashOptions VerifyFlags, uint32 ReadFlags)
{
	std::string Bytes;
	if (!ReadBytes(Filename, Bytes))
	{
		return false;
	}
	BufferToString(Result, reinterpret_cast<const uint8*>(Bytes.data()), int32(Bytes.size()));
	return true;
}

bool FFileHelper::LoadFileToStringArray(TArray<FString>& Result, const TCHAR* Filename)
{
	FString Text;
	if (!LoadFileToString(Text, Filename))
	{
		return false;
	}
	Result.Empty();
	const std::u16string Wide = ToStd(Text);
	size_t Start = 0;
	while (Start <= Wide.size())
	{
		size_t End = Wide.find(u'\n', Start);
		if (End == std::u16string::npos)
		{
			End = Wide.size();
		}
		std::u16string Line = Wide.substr(Start, End - Start);
		if (!Line.empty() && Line.back() == u'\r')
		{
			Line.pop_back();
		}
		if (!Line.empty())
		{
			Result.Add(FromStd(Line));
		}
		Start = End + 1;
	}
	return true;
}

bool FFileHelper::SaveArrayToFile(const TArray<uint8>& Array, const TCHAR* Filename, IFileManager* FileManager, uint32 WriteFlags)
{
	std::string Bytes;
	for (uint8 Byte : Array)
	{
		Bytes.push_back(char(Byte));
	}
	return WriteBytes(Bytes, Filename, FileManager, WriteFlags);
}

bool FFileHelper::SaveStringToFile(const FString& String, const TCHAR* Filename, EEncodingOptions EncodingOptions, IFileManager* FileManager, uint32 WriteFlags)
{
	return WriteBytes(EncodeText(String, EncodingOptions), Filename, FileManager, WriteFlags);
}

bool FFileHelper::SaveStringArrayToFile(const TArray<FString>& Lines, const TCHAR* Filename, EEncodingOptions EncodingOptions, IFileManager* FileManager, uint32 WriteFlags)
{
	std::u16string Joined;
	for (const FString& Line : Lines)
	{
		Joined += ToStd(Line);
		Joined += u"\n";
	}
	return SaveStringToFile(FromStd(Joined), Filename, EncodingOptions, FileManager, WriteFlags);
}
