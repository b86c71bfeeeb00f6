# Include scopes as UBT gives them: a module sees the public headers of the modules its Build.cs names
# and of their public dependencies, never those of their private ones, so a Build.cs that misses a
# module fails here as it would against the engine. Each probe is compiled by its test, on demand.
set(ModuleRulesProbeDir "${CMAKE_CURRENT_BINARY_DIR}/ModuleRulesProbes")

# A translation unit of a module that names only Module and includes Header.
function(_ue_module_rules_probe Name Module Header)
	set(Target "ModuleRulesProbe${Name}")
	file(CONFIGURE OUTPUT "${ModuleRulesProbeDir}/${Name}.cpp" CONTENT "#include \"${Header}\"\n")
	add_library(${Target} OBJECT EXCLUDE_FROM_ALL "${ModuleRulesProbeDir}/${Name}.cpp")
	target_link_libraries(${Target} PRIVATE ${Module})
	add_test(NAME ModuleRulesTest.${Name} COMMAND "${CMAKE_COMMAND}" --build "${CMAKE_BINARY_DIR}" --target ${Target})
	# Two builds at once in one tree would trip over each other.
	set_tests_properties(ModuleRulesTest.${Name} PROPERTIES RESOURCE_LOCK UEBuildTree)
endfunction()

# Blutility names EditorSubsystem publicly, and EditorSubsystem names Engine publicly.
_ue_module_rules_probe(PublicDependencyHeadersReachDependants Blutility "EditorSubsystem.h")
_ue_module_rules_probe(PublicDependencyChainsReachDependants Blutility "Engine/World.h")

# Blutility keeps UMGEditor private, as the engine does.
_ue_module_rules_probe(PrivateDependencyHeadersStayHidden Blutility "WidgetBlueprint.h")
set_tests_properties(ModuleRulesTest.PrivateDependencyHeadersStayHidden PROPERTIES
	PASS_REGULAR_EXPRESSION "WidgetBlueprint\\.h: No such file or directory")
