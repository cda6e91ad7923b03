# The English interface: translations/daviduv_en.ts (kept in the repository,
# refreshed by scripts/update-translations.sh) compiled by lrelease into
# daviduv_en.qm and embedded in dv_common as :/i18n/daviduv_en.qm, so every
# program that links dv_common carries it.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

function(dv_embed_translations target)
  qt6_add_lrelease(${target}
    TS_FILES ${PROJECT_SOURCE_DIR}/translations/daviduv_en.ts
    QM_FILES_OUTPUT_VARIABLE qm_files)
  qt6_add_resources(${target} "${target}_translations"
    PREFIX "/i18n"
    BASE "${CMAKE_CURRENT_BINARY_DIR}"
    FILES ${qm_files})
endfunction()
