#pragma once

namespace pondus {

struct SendContext;

// One export routine per target model. Each runs the export frame over the
// send data module and writes its scale file; the direct-send and CAS routines
// then start their vendor link program.
void exportIshidaBc3000(SendContext& context);
void exportBizerbaBc815(SendContext& context);
void exportScaleLinkProV3(SendContext& context);
void exportScaleLinkProV31I(SendContext& context);
void exportIshidaAstraXt(SendContext& context);
void exportIshidaBc4000(SendContext& context);
void exportCasCl5000J(SendContext& context);
void exportCasCl5500J(SendContext& context);
void exportCasCl5200J(SendContext& context);

} // namespace pondus
