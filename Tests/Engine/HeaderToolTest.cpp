// Contract tests of the header tool as a program: what it writes for a header, and that syntax it
// does not understand stops it with file:line instead of producing wrong code.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace
{
	class FHeaderToolTest : public ::testing::Test
	{
	protected:
		void SetUp() override
		{
			Directory = std::filesystem::temp_directory_path() / ("HeaderToolTest_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
			std::filesystem::remove_all(Directory);
			std::filesystem::create_directories(Directory / "Public");
		}

		void TearDown() override
		{
			std::filesystem::remove_all(Directory);
		}

		/** Writes Public/<Name> and runs the tool on it; returns the exit status, output in Output. */
		int Run(const std::string& Name, const std::string& Text)
		{
			const std::filesystem::path Header = Directory / "Public" / Name;
			std::ofstream(Header) << Text;
			const std::string Command = "python3 \"" QUOVEX_SOURCE_ROOT "/Engine/Source/Programs/HeaderTool/HeaderTool.py\" --module ToolTest --api TOOLTEST_API --output-dir \"" + (Directory / "Out").string() + "\" \"" + Header.string() + "\" 2>&1";
			FILE* Pipe = popen(Command.c_str(), "r");
			Output.clear();
			char Buffer[512];
			while (Pipe && fgets(Buffer, sizeof(Buffer), Pipe))
			{
				Output += Buffer;
			}
			const int Status = Pipe ? pclose(Pipe) : -1;
			return Status;
		}

		std::string ReadOutput(const std::string& Name)
		{
			std::ifstream Stream(Directory / "Out" / Name);
			std::stringstream Text;
			Text << Stream.rdbuf();
			return Text.str();
		}

		std::filesystem::path Directory;
		std::string Output;
	};
}

TEST_F(FHeaderToolTest, GeneratesTheBodyMacroForTheLineOfGeneratedBody)
{
	// clang-format off
	ASSERT_EQ(Run("Good.h",
		"#pragma once\n"
		"#include \"Good.generated.h\"\n"
		"UCLASS(config=Game)\n"
		"class UGood : public UObject\n"
		"{\n"
		"\tGENERATED_BODY()\n"
		"public:\n"
		"\t/** Shown as a tooltip. */\n"
		"\tUPROPERTY(Config)\n"
		"\tint32 Value = 0;\n"
		"#if WITH_EDITOR\n"
		"\tUFUNCTION(BlueprintCallable)\n"
		"\tvoid EditorOnly();\n"
		"#endif\n"
		"};\n"), 0) << Output;
	// clang-format on
	const std::string Header = ReadOutput("Good.generated.h");
	EXPECT_NE(Header.find("#define CURRENT_FILE_ID FID_ToolTest_Good_h"), std::string::npos);
	EXPECT_NE(Header.find("#define FID_ToolTest_Good_h_6_GENERATED_BODY"), std::string::npos) << Header;
	EXPECT_NE(Header.find("DECLARE_FUNCTION(execEditorOnly);"), std::string::npos);
	const std::string Cpp = ReadOutput("ToolTest.gen.cpp");
	EXPECT_NE(Cpp.find("IMPLEMENT_CLASS_WITH_CONFIG(UGood, TEXT(\"Game\"))"), std::string::npos);
	EXPECT_NE(Cpp.find("SetMetaData(TEXT(\"ToolTip\"), TEXT(\"Shown as a tooltip.\"))"), std::string::npos);
	EXPECT_NE(Cpp.find("CPF_Config"), std::string::npos);
}

TEST_F(FHeaderToolTest, OnlyADelegateWithParametersMeasuresItsParameterBlock)
{
	// clang-format off
	ASSERT_EQ(Run("Events.h",
		"#pragma once\n"
		"#include \"Events.generated.h\"\n"
		"DECLARE_DYNAMIC_MULTICAST_DELEGATE(FOnNothing);\n"
		"DECLARE_DYNAMIC_MULTICAST_DELEGATE_OneParam(FOnValue, int32, Value);\n"), 0) << Output;
	// clang-format on
	const std::string Cpp = ReadOutput("ToolTest.gen.cpp");
	const auto ConstructBody = [&Cpp](const std::string& Delegate) {
		const size_t Start = Cpp.find("UFunction* Z_Construct_UDelegateFunction_ToolTest_" + Delegate + "__DelegateSignature()\n{");
		return Start == std::string::npos ? std::string() : Cpp.substr(Start, Cpp.find("\n}\n", Start) - Start);
	};
	const std::string Nothing = ConstructBody("OnNothing");
	ASSERT_FALSE(Nothing.empty()) << Cpp;
	// An unused local typedef is a warning under -Wall in every generated file.
	EXPECT_EQ(Nothing.find("ParmsType"), std::string::npos) << Nothing;
	EXPECT_NE(Nothing.find("FinalizeParms(0)"), std::string::npos) << Nothing;
	const std::string Value = ConstructBody("OnValue");
	EXPECT_NE(Value.find("typedef FOnValue::FParms ParmsType;"), std::string::npos) << Value;
	EXPECT_NE(Value.find("FinalizeParms((int32)sizeof(ParmsType))"), std::string::npos) << Value;
}

TEST_F(FHeaderToolTest, UnsupportedSyntaxFailsWithFileAndLine)
{
	// clang-format off
	EXPECT_NE(Run("BadSpecifier.h",
		"#pragma once\n"
		"#include \"BadSpecifier.generated.h\"\n"
		"UCLASS()\n"
		"class UBad : public UObject\n"
		"{\n"
		"\tGENERATED_BODY()\n"
		"\tUPROPERTY(Bogus)\n"
		"\tint32 Value;\n"
		"};\n"), 0);
	EXPECT_NE(Output.find("BadSpecifier.h:7: error: unknown UPROPERTY specifier 'Bogus'"), std::string::npos) << Output;

	EXPECT_NE(Run("BadType.h",
		"#pragma once\n"
		"#include \"BadType.generated.h\"\n"
		"USTRUCT()\n"
		"struct FBad\n"
		"{\n"
		"\tGENERATED_BODY()\n"
		"\n"
		"\tUPROPERTY()\n"
		"\tTSet<int32> Values;\n"
		"};\n"), 0);
	EXPECT_NE(Output.find("BadType.h:8: error: TSet cannot be reflected"), std::string::npos) << Output;

	EXPECT_NE(Run("NoBody.h",
		"#pragma once\n"
		"#include \"NoBody.generated.h\"\n"
		"UCLASS()\n"
		"class UNoBody : public UObject\n"
		"{\n"
		"};\n"), 0);
	EXPECT_NE(Output.find("NoBody.h:3: error: UNoBody has no GENERATED_BODY()"), std::string::npos) << Output;

	EXPECT_NE(Run("Rpc.h",
		"#pragma once\n"
		"#include \"Rpc.generated.h\"\n"
		"UCLASS()\n"
		"class URpc : public UObject\n"
		"{\n"
		"\tGENERATED_BODY()\n"
		"\tUFUNCTION(Server, Reliable)\n"
		"\tvoid Send();\n"
		"};\n"), 0);
	// clang-format on
	EXPECT_NE(Output.find("Rpc.h:7: error: UFUNCTION specifier 'Server' is not supported"), std::string::npos) << Output;
}
